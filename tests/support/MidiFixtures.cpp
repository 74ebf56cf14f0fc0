#include "tests/support/MidiFixtures.h"

#include <cstdio>
#include <cstdlib>
#include <algorithm>

namespace {

Bytes BigEndian(uint32_t value, int bytes) {
  Bytes out;
  for (int i = bytes - 1; i >= 0; --i) out.push_back(static_cast<unsigned char>(value >> (8 * i)));
  return out;
}

std::string Trim(const std::string& text) {
  size_t start = text.find_first_not_of(' ');
  size_t end = text.find_last_not_of(" \r\n");
  return start == std::string::npos ? std::string() : text.substr(start, end - start + 1);
}

}  // namespace

Bytes Chunk(const Bytes& events) {
  return Cat({Hex("4D 54 72 6B"), BigEndian(static_cast<uint32_t>(events.size()), 4), events});
}

Bytes Smf(int format, int division, const std::vector<Bytes>& tracks, int declared) {
  Bytes file = Cat({Hex("4D 54 68 64 00 00 00 06"), BigEndian(format, 2),
                    BigEndian(declared < 0 ? static_cast<uint32_t>(tracks.size()) : declared, 2),
                    BigEndian(division, 2)});
  for (const Bytes& track : tracks) file = Cat({file, Chunk(track)});
  return file;
}

const Bytes kSmfFormat0 = Smf(0, 0x60, {Hex("00 FF 51 03 07 A1 20  00 C0 05  00 90 3C 40  60 3E 40"
                                            "00 F0 05 7E 7F 09 01 F7  81 00 80 3C 00  00 3E 00"
                                            "10 FF 01 03 61 62 63  00 FF 2F 00")});
const Bytes kSmfFormat0Image = Smf(0, 0x60, {Hex("00 FF 51 03 07 A1 20  00 C0 05  00 90 3C 40  60 90 3E 40"
                                                 "00 F0 05 7E 7F 09 01 F7  81 00 80 3C 00  00 80 3E 00"
                                                 "10 FF 01 03 61 62 63  00 FF 2F 00")});

std::vector<std::string> RealMidiFiles() {
#ifdef _WIN32
  const char* folder = "Z:\\usr\\share\\planetblupi\\music\\";
#else
  const char* folder = "/usr/share/planetblupi/music/";
#endif
  std::vector<std::string> files;
  for (int i = 0; i < 10; ++i) {
    std::string path = folder + std::string("music00") + std::to_string(i) + ".mid";
    if (FileThere(path)) files.push_back(path);
  }
  return files;
}

bool HaveMidiCsv() {
#ifdef _WIN32
  return false;
#else
  return std::system("midicsv -u >/dev/null 2>&1") != 127 * 256;
#endif
}

cMidiCsv ReadMidiCsv(const std::string& path) {
  std::string text;
#ifndef _WIN32
  if (FILE* pipe = popen(("midicsv '" + path + "'").c_str(), "r")) {
    char block[65536];
    for (size_t n; (n = std::fread(block, 1, sizeof block, pipe)) > 0;) text.append(block, n);
    pclose(pipe);
  }
#else
  (void)path;
#endif
  cMidiCsv csv;
  // Lines of "track, time, type, values...".
  for (size_t start = 0, end; start < text.size(); start = end + 1) {
    end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(start, end - start);
    size_t first = line.find(',');
    size_t second = first == std::string::npos ? first : line.find(',', first + 1);
    if (second == std::string::npos) continue;
    long time = std::atol(line.c_str() + first + 1);
    std::string rest = Trim(line.substr(second + 1));
    std::string type = rest.substr(0, rest.find(','));
    if (type == "Header") {
      csv.m_strHeader = Trim(rest.substr(rest.find(',') + 1));
      csv.m_strDivision = Trim(csv.m_strHeader.substr(csv.m_strHeader.rfind(',') + 1));
    } else if (type == "Start_track") {
      ++csv.m_nTracks;
    } else if (type == "End_track") {
      csv.m_nEndTime = std::max(csv.m_nEndTime, time);
    } else if (type != "End_of_file") {
      csv.m_vEvents.push_back({time, rest});
    }
  }
  return csv;
}
