// What every document file of the project shares: a load of a cut or damaged file fails and keeps
// the document, and a save that fails at any step keeps the previous file. One row per document.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "app/cApplication.h"
#include "app/cEditConfig.h"
#include "database/cDatabaseSet.h"
#include "project/cProjectSettings.h"
#include "project/cSystemSettings.h"
#include "project/cWorldMapDoc.h"
#include "tests/support/FileCallFaults.h"
#include "tests/support/TestSupport.h"

namespace {

struct cDocumentFile {
  const char* m_pName;
  const char* m_pFolder;
  const char* m_pPath;
  // Saves a document with content of its own; changed: with other content.
  std::function<int(bool changed)> m_Save;
  // Loads the file into a document holding unusual values and checks that a failed load kept them.
  std::function<int()> m_LoadKeeping;
  // Prefixes are cut at every size up to m_nEveryUpTo, then every m_nStep bytes.
  size_t m_nEveryUpTo;
  size_t m_nStep;
  // A byte that, set to m_nDamage, makes a length or count larger than the file can hold.
  size_t m_nDamageAt;
  unsigned char m_nDamage;
};

const cDocumentFile kDocuments[] = {
    {"edit configuration", "e_data", "e_data\\EditConfig.dat",
     [](bool changed) {
       cEditConfig config;
       config.m_strLastStagePath = changed ? "changed.stg" : "good.stg";
       return config.SaveFile("e_data\\EditConfig.dat");
     },
     [] {
       cEditConfig config;
       config.m_strLastStagePath = "keep.stg";
       config.m_nStatusBarHeight = 99;
       config.m_wpEventPalette.Set(1, 2, 3, 4);
       int loaded = config.LoadFile("e_data\\EditConfig.dat");
       if (!loaded) {
         EXPECT_EQ(config.m_strLastStagePath, "keep.stg");
         EXPECT_EQ(config.m_nStatusBarHeight, 99);
         EXPECT_EQ(config.m_wpEventPalette.m_nHeight, 4);
       }
       return loaded;
     },
     SIZE_MAX, 1, 4 + 4 + 68 + 4, 0xFF},
    {"project options", "data", "data\\PrjOption.dat",
     [](bool changed) {
       cProjectSettings settings;
       if (changed) settings.m_strGameProgram = "changed.exe";
       return settings.SaveFile("data\\PrjOption.dat");
     },
     [] {
       cProjectSettings settings;
       settings.m_strGameProgram = "pre";
       settings.m_nOldStageMode = 2;
       settings.m_DefBlock.m_nGraphic = 40;
       settings.m_bbDefInherit[2][1][36] = 0;
       int loaded = settings.LoadFile("data\\PrjOption.dat");
       if (!loaded) {
         EXPECT_EQ(settings.m_strGameProgram, "pre");
         EXPECT_EQ(settings.m_nOldStageMode, 2);
         EXPECT_EQ(settings.m_DefBlock.m_nGraphic, 40);
         EXPECT_EQ(settings.m_bbDefInherit[2][1][36], 0);
       }
       return loaded;
     },
     SIZE_MAX, 1, 4 + 4 + 44 + 4 + 3, 0x7F},
    {"system settings", "data", "data\\System.dat",
     [](bool changed) {
       cSystemSettings settings;
       if (changed) settings.m_strGameTitle = "changed";
       return settings.SaveFile("data\\System.dat");
     },
     [] {
       cSystemSettings settings;
       settings.m_strGameTitle = "kept";
       settings.m_vTerm[0] = "kept";
       settings.m_vIniEntry.resize(11);
       int loaded = settings.LoadFile("data\\System.dat");
       if (!loaded) {
         EXPECT_EQ(settings.m_strGameTitle, "kept");
         EXPECT_EQ(settings.m_vTerm[0], "kept");
         EXPECT_EQ(settings.m_vIniEntry.size(), 11u);
       }
       return loaded;
     },
     300, 41, 4 + 4 + 207 + 4 + 4 + 3, 0x7F},
    {"world map", "data", "data\\WorldMap.dat",
     [](bool changed) {
       cWorldMapDoc doc;
       doc.PlaceEvent(doc.m_vTemplate[0], 2, 3);
       if (changed) doc.m_strName = "changed";
       return doc.SaveFile("data\\WorldMap.dat");
     },
     [] {
       cWorldMapDoc doc;
       doc.m_strName = "kept";
       int loaded = doc.LoadFile("data\\WorldMap.dat");
       if (!loaded) {
         EXPECT_EQ(doc.m_strName, "kept");
         EXPECT_EQ(doc.m_vEvent.size(), 0u);
       }
       return loaded;
     },
     200, 97, 4 + 3, 0x7F},
};

class DocumentFiles : public ::testing::Test {
protected:
  void SetUp() override {
    std::filesystem::create_directory("data");
    std::filesystem::create_directory("e_data");
  }
  void TearDown() override { g_DatabaseSet.m_vBgm = m_vBgm; }
  cVector<cBgmData> m_vBgm = g_DatabaseSet.m_vBgm;
  cScratchFolder m_Folder;
  cFakeShell m_Shell;
  cVersionReadGuard m_Guard;
};

}  // namespace

TEST_F(DocumentFiles, ShortOrDamagedFileFailsAndKeepsTheDocument) {
  for (const cDocumentFile& document : kDocuments) {
    SCOPED_TRACE(document.m_pName);
    ASSERT_EQ(document.m_Save(false), 1);
    Bytes whole = ReadFileBytes(document.m_pPath);
    for (size_t size = 0; size < whole.size(); size += size < document.m_nEveryUpTo ? 1 : document.m_nStep) {
      WriteFileBytes(document.m_pPath, Bytes(whole.begin(), whole.begin() + size));
      ASSERT_EQ(document.m_LoadKeeping(), 0) << size << " of " << whole.size() << " bytes";
    }
    ASSERT_LT(document.m_nDamageAt, whole.size());
    Bytes damaged = whole;
    damaged[document.m_nDamageAt] = document.m_nDamage;
    WriteFileBytes(document.m_pPath, damaged);
    EXPECT_EQ(document.m_LoadKeeping(), 0) << "a length or count beyond the file";
    WriteFileBytes(document.m_pPath, whole);
    EXPECT_EQ(document.m_LoadKeeping(), 1) << "the whole file loads";
  }
}

TEST_F(DocumentFiles, FailedSaveKeepsThePreviousFile) {
  for (const cDocumentFile& document : kDocuments) {
    SCOPED_TRACE(document.m_pName);
    ASSERT_EQ(document.m_Save(false), 1);
    Bytes before = ReadFileBytes(document.m_pPath);
    // Every write, flush, close and rename of the save fails in turn.
    EXPECT_EQ(ExpectEveryFailureKeepsTheFile(document.m_pPath, [&] { return document.m_Save(true); }), 4);
    ASSERT_EQ(document.m_Save(false), 1);
    // The temporary the save writes through cannot be created.
    std::string temporary = HostPath((std::string(document.m_pPath) + ".~tmp").c_str());
    std::filesystem::create_directory(temporary);
    EXPECT_EQ(document.m_Save(true), 0);
    EXPECT_EQ(ToHex(ReadFileBytes(document.m_pPath)), ToHex(before));
    std::filesystem::remove(temporary);
  }
}
