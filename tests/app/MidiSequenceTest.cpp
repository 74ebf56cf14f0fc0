#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <sstream>

#include "app/ReportLog.h"
#include "app/cMidiSequence.h"
#include "tests/support/MidiFixtures.h"
#include "tests/support/TestSupport.h"

namespace {

Bytes Image(const cMidiSequence& sequence) { return Bytes(sequence.Image().begin(), sequence.Image().end()); }

// The converted image of bytes, as a file named a.mid gives it.
Bytes Converted(const Bytes& bytes) {
  WriteFileBytes("a.mid", bytes);
  return Image(cMidiSequence("a.mid"));
}

std::string StreamHex(const uint8_t* buffer, uint32_t size) { return ToHex(Bytes(buffer, buffer + size)); }

}  // namespace

TEST(MidiVarLen, WritesTheShortestFormAndReadsItBack) {
  struct {
    uint32_t value;
    const char* bytes;
  } rows[] = {{0, "00"}, {127, "7F"}, {128, "81 00"}, {0x3FFF, "FF 7F"}, {0x4000, "81 80 00"},
              {0x0FFFFFFF, "FF FF FF 7F"}};
  for (const auto& row : rows) {
    uint8_t out[4];
    int length = WriteVarLen(out, row.value);
    EXPECT_EQ(ToHex(Bytes(out, out + length)), row.bytes) << row.value;
    uint32_t back;
    EXPECT_EQ(ReadVarLen(out, out + 4, back), length);
    EXPECT_EQ(back, row.value);
  }
  uint8_t out[4];
  EXPECT_EQ(WriteVarLen(out, 0x10000000), 0);
  Bytes tooLong = Hex("80 80 80 80 00");
  uint32_t value;
  EXPECT_EQ(ReadVarLen(tooLong.data(), tooLong.data() + tooLong.size(), value), 0);
  EXPECT_EQ(ReadVarLen(tooLong.data(), tooLong.data() + 2, value), 0) << "never reads past the end";
}

TEST(MidiConvert, FormatZeroWithRunningStatusSysexAndMetaGetsEveryStatusByte) {
  cScratchFolder folder;
  EXPECT_EQ(ToHex(Converted(kSmfFormat0)), ToHex(kSmfFormat0Image));
}

TEST(MidiConvert, FormatOneMergesTracksFirstTrackFirstOnEqualTimes) {
  cScratchFolder folder;
  Bytes image = Converted(Smf(1, 0x60, {Hex("00 FF 51 03 07 A1 20  60 90 40 40  00 FF 2F 00"),
                                        Hex("60 90 30 40  60 30 00  00 FF 2F 00")}));
  EXPECT_EQ(ToHex(image), ToHex(Cat({Hex("4D 54 68 64 00 00 00 06 00 00 00 01 00 60 4D 54 72 6B 00 00 00 17"),
                                     Hex("00 FF 51 03 07 A1 20  60 90 40 40  00 90 30 40  60 90 30 00  00 FF 2F 00")})));
}

TEST(MidiConvert, ToleratesWhatRealFilesHold) {
  cScratchFolder folder;
  Bytes note = Hex("10 90 3C 40");
  struct {
    const char* what;
    Bytes file;
    Bytes events;
  } rows[] = {
      {"a track without FF 2F 00 ends at its chunk end", Smf(0, 0x60, {note}), Hex("10 90 3C 40 00 FF 2F 00")},
      {"an unknown chunk between tracks is skipped",
       Cat({Smf(1, 0x60, {Cat({note, Hex("00 FF 2F 00")})}, 2), Hex("58 59 5A 5A 00 00 00 02 01 02"),
            Chunk(Hex("20 90 40 40 00 FF 2F 00"))}),
       Hex("10 90 3C 40 10 90 40 40 00 FF 2F 00")},
      {"bytes after FF 2F 00 in the chunk are not events", Smf(0, 0x60, {Hex("10 90 3C 40 00 FF 2F 00 90 90 90")}),
       Hex("10 90 3C 40 00 FF 2F 00")},
      {"fewer tracks than the header counts", Smf(1, 0x60, {Cat({note, Hex("00 FF 2F 00")})}, 5),
       Hex("10 90 3C 40 00 FF 2F 00")},
      {"the piece ends at the latest track end", Smf(1, 0x60, {Hex("00 90 3C 40 81 00 FF 2F 00"), Hex("00 FF 2F 00")}),
       Hex("00 90 3C 40 81 00 FF 2F 00")},
  };
  for (const auto& row : rows) {
    Bytes image = Converted(row.file);
    ASSERT_GE(image.size(), 22u) << row.what;
    EXPECT_EQ(ToHex(Bytes(image.begin() + 22, image.end())), ToHex(row.events)) << row.what;
  }
}

TEST(MidiConvert, RefusedFilesSayWhyInTheReportLog) {
  cScratchFolder folder;
  cTestReportLog log;
  Bytes good = Smf(0, 0x60, {Hex("00 90 3C 40 00 FF 2F 00")});
  auto with = [&](size_t at, const char* hex) {
    Bytes bytes = good;
    Bytes part = Hex(hex);
    std::copy(part.begin(), part.end(), bytes.begin() + at);
    return bytes;
  };
  struct {
    Bytes file;
    const char* line;
  } rows[] = {
      {Hex("4D 54 68 78 00 00 00 06 00 00 00 01 00 60"), "Midi a.mid Init 標準MIDIでない(4)"},
      {Hex("4D 54 68"), "Midi a.mid Init 標準MIDIでない(4)"},
      {with(4, "00 00 00 07"), "Midi a.mid Init 標準MIDIでない(6)"},
      {Hex("4D 54 68 64 00 00 00 06 00 00"), "Midi a.mid Init 標準MIDIでない(6)"},
      {with(8, "00 02"), "Midi a.mid Init 対応フォーマットが2でない"},
      {with(8, "00 03"), "Midi a.mid Init 対応フォーマットが0または1でない"},
      {with(14, "4D 54 72 78"), "Midi a.mid Init 標準MIDIでない(4)"},
      {with(10, "00 00"), "Midi a.mid Init トラックがない"},
      {with(12, "E7 28"), "Midi a.mid Init SMPTE形式の時間単位には対応していない"},
      {Smf(0, 0x60, {Hex("80 80 80 80 00 90 3C 40")}), "Midi a.mid Init データが壊れている"},
      {Smf(0, 0x60, {Hex("00 F0 09 01 02 03")}), "Midi a.mid Init データが壊れている"},
      {Smf(0, 0x60, {Hex("00 FF 01 7F 41")}), "Midi a.mid Init データが壊れている"},
      {Smf(0, 0x60, {Hex("00 3C 40")}), "Midi a.mid Init データが壊れている"},
      {Smf(0, 0x60, {Hex("00 90 3C")}), "Midi a.mid Init データが壊れている"},
      {Smf(0, 0x60, {Hex("00 90 3C 40 81")}), "Midi a.mid Init データが壊れている"},
      // A file cut short inside its track: the chunk claims more than there is.
      {Bytes(good.begin(), good.end() - 3), "Midi a.mid Init データが壊れている"},
  };
  for (const auto& row : rows) {
    EXPECT_TRUE(Converted(row.file).empty()) << row.line;
    std::vector<std::string> lines = log.Lines();
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.back(), row.line) << ToHex(row.file);
  }
  cMidiSequence missing("none.mid");
  EXPECT_FALSE(missing.HasImage());
  EXPECT_EQ(log.Lines().back(), "Midi none.mid Create ファイルが開けません");
}

// The events of every real file, read by an independent reader, come out of the conversion merged
// in time order (the earlier track first on equal times) and with the same values.
TEST(MidiConvert, RealFilesKeepEveryEventAsAnIndependentReaderSeesIt) {
  std::vector<std::string> files = RealMidiFiles();
  if (files.empty()) GTEST_SKIP() << "no real MIDI files (Debian's planetblupi-music-midi) here";
  if (!HaveMidiCsv()) GTEST_SKIP() << "midicsv (Debian's midicsv) is not installed";
  cScratchFolder folder;
  for (const std::string& file : files) {
    cMidiSequence sequence(file.c_str());
    ASSERT_TRUE(sequence.HasImage()) << file;
    WriteFileBytes("image.mid", Image(sequence));
    cMidiCsv source = ReadMidiCsv(file);
    cMidiCsv image = ReadMidiCsv("image.mid");
    ASSERT_FALSE(source.m_vEvents.empty()) << file;
    EXPECT_EQ(image.m_strHeader, "0, 1, " + source.m_strDivision);
    EXPECT_EQ(image.m_nTracks, 1);
    std::stable_sort(source.m_vEvents.begin(), source.m_vEvents.end(),
                     [](const cMidiCsv::cEvent& a, const cMidiCsv::cEvent& b) { return a.m_nTime < b.m_nTime; });
    ASSERT_EQ(image.m_vEvents.size(), source.m_vEvents.size()) << file;
    for (size_t i = 0; i < image.m_vEvents.size(); ++i) {
      ASSERT_EQ(image.m_vEvents[i].m_nTime, source.m_vEvents[i].m_nTime) << file << " event " << i;
      ASSERT_EQ(image.m_vEvents[i].m_strText, source.m_vEvents[i].m_strText) << file << " event " << i;
    }
    EXPECT_EQ(image.m_nEndTime, source.m_nEndTime) << file;
    // Converting the image again changes nothing: every event already has its status byte.
    cMidiSequence again;
    ASSERT_EQ(again.Init(sequence.Image().data(), sequence.Image().size()), 1);
    EXPECT_TRUE(again.Image() == sequence.Image()) << file;
  }
}

TEST(MidiStreamBuffer, EventsBecomeStreamEventsAndSkippedMetaTimeMovesOn) {
  cMidiSequence sequence;
  ASSERT_EQ(sequence.Init(kSmfFormat0.data(), kSmfFormat0.size()), 1);
  uint8_t buffer[200];
  uint32_t recorded;
  EXPECT_EQ(sequence.FillStreamBuffer(kMidiTrackStart, buffer, sizeof buffer, recorded), sequence.ImageEnd() - 22);
  EXPECT_EQ(StreamHex(buffer, recorded),
            ToHex(Cat({Hex("00 00 00 00  00 00 00 00  20 A1 07 01"),                             // tempo
                       Hex("00 00 00 00  00 00 00 00  C0 05 00 00"),                             // program
                       Hex("00 00 00 00  00 00 00 00  90 3C 40 00"),                             // note on
                       Hex("60 00 00 00  00 00 00 00  90 3E 40 00"),                             // running status
                       Hex("00 00 00 00  00 00 00 00  06 00 00 80  F0 7E 7F 09 01 F7 00 00"),  // sysex, 5 bytes
                       Hex("80 00 00 00  00 00 00 00  80 3C 00 00"),                             // note off
                       Hex("00 00 00 00  00 00 00 00  80 3E 00 00"),
                       // The text event sends nothing; its 16 ticks go to the end of the piece.
                       Hex("10 00 00 00  00 00 00 00  FF 2F 00 40")})));
}

TEST(MidiStreamBuffer, AFullBufferFlagsItsLastEventAndLeavesTheRestForTheNext) {
  // 2000 notes fill 24,000 bytes exactly; a text event (7 ticks) and a note (5 ticks) follow.
  Bytes events;
  for (int i = 0; i < 2000; ++i) events = Cat({events, Hex("01 90 3C 40")});
  events = Cat({events, Hex("07 FF 01 01 41  05 90 3E 40  00 FF 2F 00")});
  Bytes file = Smf(0, 0x60, {events});
  cMidiSequence sequence;
  ASSERT_EQ(sequence.Init(file.data(), file.size()), 1);
  std::vector<uint8_t> buffer(24000);
  uint32_t recorded;
  uint32_t consumed = sequence.FillStreamBuffer(kMidiTrackStart, buffer.data(), 24000, recorded);
  EXPECT_EQ(recorded, 24000u);
  EXPECT_EQ(consumed, 2000u * 4) << "the text event is read again with the next buffer";
  EXPECT_EQ(StreamHex(&buffer[23988], 12), "01 00 00 00 00 00 00 00 90 3C 40 40");
  EXPECT_EQ(StreamHex(&buffer[23976], 12), "01 00 00 00 00 00 00 00 90 3C 40 00");
  uint32_t rest = sequence.FillStreamBuffer(kMidiTrackStart + consumed, buffer.data(), 24000, recorded);
  EXPECT_EQ(kMidiTrackStart + consumed + rest, sequence.ImageEnd());
  EXPECT_EQ(StreamHex(buffer.data(), recorded),
            "0C 00 00 00 00 00 00 00 90 3E 40 00 00 00 00 00 00 00 00 00 FF 2F 00 40");
}

TEST(MidiStreamBuffer, TheEndWaitsForARoomyBufferAndAHugeSysexIsDropped) {
  Bytes sysex = Cat({Hex("03 F0 BB 3B"), Bytes(7611, 0x11)});  // larger than either buffer below
  Bytes file = Smf(0, 0x60, {Cat({sysex, Hex("02 90 3C 40 00 FF 2F 00")})});
  cMidiSequence sequence;
  ASSERT_EQ(sequence.Init(file.data(), file.size()), 1);
  uint8_t buffer[7000];
  uint32_t recorded;
  uint32_t consumed = sequence.FillStreamBuffer(kMidiTrackStart, buffer, 20, recorded);
  EXPECT_EQ(StreamHex(buffer, recorded), "05 00 00 00 00 00 00 00 90 3C 40 40") << "no room for the end: flagged";
  EXPECT_EQ(consumed, sequence.ImageEnd() - 22 - 4);
  EXPECT_EQ(sequence.FillStreamBuffer(kMidiTrackStart + consumed, buffer, 20, recorded), 4u);
  EXPECT_EQ(StreamHex(buffer, recorded), "00 00 00 00 00 00 00 00 FF 2F 00 40");
  EXPECT_EQ(sequence.FillStreamBuffer(kMidiTrackStart, buffer, sizeof buffer, recorded), sequence.ImageEnd() - 22);
  EXPECT_EQ(recorded, 24u);
}
