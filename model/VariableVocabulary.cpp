#include "model/VariableVocabulary.h"

const cString CharaVarNames[9] = {
    "1 キャラ変数-1", "2 キャラ変数-2", "3 キャラ変数-3", "4 キャラ変数-4",
    "5 キャラ変数-5", "6 キャラ変数-6", "7 キャラ変数-7", "8 キャラ変数-8", ""};
const cString VarOpNames[8] = {"＝", "＋", "－", "×", "÷", "÷ X の余り", "X ％", ""};
const cString CompareNames[9] = {
    "である", "でない", "以上", "以下", "より上", "より下", "の倍数である", "の倍数でない", ""};
const cString NaraNames[3] = {"なら", "でないなら", ""};

const cString& CharaVarName(int number) { return NameRow(CharaVarNames, number - 1); }
