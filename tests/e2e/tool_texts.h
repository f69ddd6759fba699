// The texts the tool shows, as the driver expects them byte for byte (code page 932
// at run time, like the tool's own).
#pragma once

namespace e2e {

inline const char TITLE[] = "ソルネア　インストール情報削除";
inline const char INTRO[] =
    "本ツール[qz.01]は、ソルネア関連のインストール情報を削除し、\r\n再インストールを可能にするためのツールです。"
    "\r\n\r\n削除するソフトを選択してください。";
inline const char CONFIRM_HEAD[] =
    "　　　　　　◆◇◆　最終確認　◆◇◆\r\n\r\n以下のインストール情報を削除します。\r\n\r\n"
    "現在、ルヴェンタが正常に動作している場合は、\r\nこの処理を行うと動作しなくなりますので、"
    "「キャンセル」してください。\r\n";
inline const char SELECT_SOMETHING[] = "インストール情報を削除するソフトを選択してください";
inline const char DELETING[] = "インストール情報を削除中";
inline const char NO_RIGHTS[] = "本ツールは管理者権限のあるユーザでログインしてから使用してください。";
inline const char RUVENTA_RUNNING[] = "ルヴェンタが起動中です。\r\n先にルヴェンタを終了させてください。";
inline const char KESRA_RUNNING[] = "ケスラが起動中です。\r\n先にケスラを終了させてください。";
inline const char ALREADY_RUNNING[] = "本ツールは既に起動中です";
inline const char COULD_NOT_DELETE_HEAD[] =
    "の削除ができませんでした。\r\n"
    "管理者権限でログインしていない場合は、管理者権限でログインしてから、再度本ツールを適用してください。\r\n"
    "　　[";

inline const char REMOVED[] = "：　削除しました";
inline const char ALREADY_REMOVED[] = "：　既に削除されています";
inline const char NOT_REMOVED[] = "：　削除できませんでした";
inline const char ADVICE_FAILED[] = "インストール情報の削除に失敗しました。\r\nパソコンを再起動後、本ソフトを再実行してください。";

}  // namespace e2e
