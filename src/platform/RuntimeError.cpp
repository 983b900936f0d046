#include "RuntimeError.h"

#include "AppInfo.h"
#include "Ui.h"

using namespace Qt::StringLiterals;

RuntimeError RuntimeError::invalidCall() { return {5, u"プロシージャの呼び出し、または引数が不正です。"_s}; }
RuntimeError RuntimeError::overflow() { return {6, u"オーバーフローしました。"_s}; }
RuntimeError RuntimeError::outOfMemory() { return {7, u"メモリが不足しています。"_s}; }
RuntimeError RuntimeError::outOfRange() { return {9, u"インデックスが有効範囲にありません。"_s}; }
RuntimeError RuntimeError::typeMismatch() { return {13, u"型が一致しません。"_s}; }
RuntimeError RuntimeError::outOfStringSpace() { return {14, u"文字列領域が不足しています。"_s}; }
RuntimeError RuntimeError::badFileNameOrNumber() { return {52, u"ファイル名または番号が不正です。"_s}; }
RuntimeError RuntimeError::fileNotFound() { return {53, u"ファイルが見つかりません。"_s}; }
RuntimeError RuntimeError::badFileMode() { return {54, u"ファイル モードが不正です。"_s}; }
RuntimeError RuntimeError::deviceIo() { return {57, u"デバイス I/O エラーです。"_s}; }
RuntimeError RuntimeError::diskFull() { return {61, u"ディスクの空き容量が不足しています。"_s}; }
RuntimeError RuntimeError::pastEndOfFile() { return {62, u"ファイルにこれ以上データがありません。"_s}; }
RuntimeError RuntimeError::permissionDenied() { return {70, u"書き込みできません。"_s}; }
RuntimeError RuntimeError::pathFileAccess() { return {75, u"パス名が無効です。"_s}; }
RuntimeError RuntimeError::pathNotFound() { return {76, u"パスが見つかりません。"_s}; }

void reportRuntimeErrors(Ui& ui, const std::function<void()>& body)
{
    try {
        body();
    } catch (const RuntimeError& e) {
        ui.messageBox(e.description(), AppInfo::appTitle(), MsgIcon::None, MsgButtons::Ok);
    }
}
