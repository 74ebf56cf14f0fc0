#pragma once
// Record classes of every shape the record base must carry: all field widths, fixed arrays,
// version gates, strings, nested record lists and string lists. Used by fuzzing and benchmarks.

#include "app/cApplication.h"
#include "app/cDataRecord.h"

class cSampleLeaf : public cDataRecord {
public:
  int8_t m_cFlag = 0;
  int16_t m_asPair[2] = {};
  int32_t m_nValue = 0;
  double m_dScale = 0;
  cString m_strName;
  cSampleLeaf() {
    RegisterFields(kDataVersion);
    Clear();
  }
  void RegisterFields(uint32_t version) override {
    ClearFields();
    RegisterChar(&m_cFlag);
    if (version >= 100) RegisterShort(m_asPair, 2);
    RegisterInt(&m_nValue);
    if (version >= 500) AddDoubleField(&m_dScale);
    RegisterString(&m_strName);
  }
};

class cSampleNode : public cDataRecord {
public:
  int32_t m_anParams[5] = {};
  cString m_strTitle;
  cString m_strPath;
  cVector<cSampleLeaf> m_vLeaves;
  cVector<cString> m_vNames;
  cSampleNode() {
    RegisterFields(kDataVersion);
    Clear();
  }
  void RegisterFields(uint32_t version) override {
    ClearFields();
    RegisterInt(m_anParams, 5);
    RegisterString(&m_strTitle);
    if (version >= 300) RegisterString(&m_strPath);
  }
  void Load(cReadStream& stream) override {
    cDataRecord::Load(stream);
    LoadList(m_vLeaves, stream);
    if (VersionRead() >= 200) LoadList(m_vNames, stream);
  }
  void Save(cWriteStream& stream) override {
    cDataRecord::Save(stream);
    SaveList(m_vLeaves, stream);
    SaveList(m_vNames, stream);
  }
};
