#include "editors/ElementRowLabels.h"

#include "editors/CondRowText.h"
#include "model/CommandLineText.h"
#include "model/FlowVocabulary.h"
#include "model/cFlowData.h"

void FlowRowLabel(cString* text, int32_t, const cFlowData* flow) {
  text->Format("×%d %s %s", flow->m_vCommand.Count(), NameRow(FlowIdNames, flow->m_cId).GetStr(),
               NameRow(FlowGroupNames, flow->m_cGroup).GetStr());
}

void HeroCondRowLabel(cString* text, int32_t, const cCondData* condition) {
  static const cVector<cString> subjects = NameList(HeroSubjectSysNames);
  CondRowText(*text, *condition, subjects);
}

void SelfCondRowLabel(cString* text, int32_t, const cCondData* condition) {
  static const cVector<cString> subjects = NameList(SelfSubjectSysNames);
  CondRowText(*text, *condition, subjects);
}

void KeyCondRowLabel(cString* text, int32_t, const cKeyCondData* keyCondition) {
  text->clear();
  KeyCondRowText(*text, *keyCondition);
}

void CommandRowLabel(cString* text, int32_t, const cCommandData* command) {
  text->clear();
  FormatCommandLine(*text, *command);
}
