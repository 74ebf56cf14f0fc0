#pragma once
// A dialog over one record that stores only on OK: its controls are bound to a copy, OK writes the
// copy back, and cancel or the close box leave the record as it was when the dialog opened.

template <class T>
class cRecordEdit {
public:
  explicit cRecordEdit(T* record) : m_pRecord(record), m_Work(*record) {}

  T& Work() { return m_Work; }
  const T& Work() const { return m_Work; }
  const T& Record() const { return *m_pRecord; }
  void Ok() { *m_pRecord = m_Work; }

private:
  T* m_pRecord;
  T m_Work;
};
