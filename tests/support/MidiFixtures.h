#pragma once
// Standard MIDI files for tests: a builder, a hand-made file with its expected converted image, the
// real files of Debian's planetblupi-music-midi, and Debian's midicsv as an independent reader.

#include <string>
#include <vector>

#include "tests/support/TestSupport.h"

// An "MTrk" chunk around the events.
Bytes Chunk(const Bytes& events);
// A file of the format and division with these tracks; the header counts declared tracks (all by default).
Bytes Smf(int format, int division, const std::vector<Bytes>& tracks, int declared = -1);

// Format 0, written with running status: tempo, program change, notes, a system-exclusive message
// of 5 data bytes, a text event; and its converted image, every event with its status byte.
extern const Bytes kSmfFormat0;
extern const Bytes kSmfFormat0Image;

// The real files there are (an empty list where the package is missing).
std::vector<std::string> RealMidiFiles();

bool HaveMidiCsv();
// What midicsv reads in a file.
struct cMidiCsv {
  struct cEvent {
    long m_nTime;
    std::string m_strText;  // the record type and its values
  };
  std::string m_strHeader;    // format, track count, division
  std::string m_strDivision;
  int m_nTracks = 0;
  std::vector<cEvent> m_vEvents;  // every event but the track starts and ends, in file order
  long m_nEndTime = 0;            // the latest end of a track
};
cMidiCsv ReadMidiCsv(const std::string& path);
