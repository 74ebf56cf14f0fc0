#pragma once
// The application object: the data versions every record file is read and written with.

#include <cstdint>

#include "app/cDataRecord.h"

// Every file this editor writes carries this data version.
constexpr uint32_t kDataVersion = 771;

class cApplication : public cDataRecord {
public:
  void RegisterFields(uint32_t) override { RegisterNoFields(); }
  void Load(cReadStream&) override {}
  void Save(cWriteStream&) override {}

  // Plain statics, so that records constructed as globals before this object already see them.
  static uint32_t m_nVersionRead;
  static uint32_t m_nVersionWritten;
  static int32_t m_bStripCR;
  void* m_hInstance = nullptr;
};

extern cApplication App;

// 1 while a test play runs: set when the test play starts the game program, cleared when the start
// fails or when the game reports its end to the main frame.
extern int32_t g_bTestPlayRunning;

void SetDataVersion(uint32_t version, int stripCR);
inline uint32_t VersionRead() { return cApplication::m_nVersionRead; }
inline uint32_t VersionWritten() { return cApplication::m_nVersionWritten; }
