// What Execute does: confirm the ticked products, remove them in product order,
// show the outcome, and end the tool.
#include <string>

#include "core/result_table.h"
#include "ui/final_result_dialog.h"
#include "ui/main_dialog.h"
#include "res/resource.h"

namespace {

const char SELECT_SOMETHING[] = "インストール情報を削除するソフトを選択してください";
const char DELETING[] = "インストール情報を削除中";

std::string ConfirmationText(const std::string& list) {
  return "　　　　　　◆◇◆　最終確認　◆◇◆\r\n\r\n以下のインストール情報を削除します。\r\n\r\n"
         "現在、ルヴェンタが正常に動作している場合は、\r\nこの処理を行うと動作しなくなりますので、"
         "「キャンセル」してください。\r\n" +
         list + "\r\n";
}

}  // namespace

void CC_INSDEL_INETISDNDlg::OnBnClickedExecute() {
  LRESULT states[PRODUCT_COUNT];
  bool anyTicked = false;
  for (std::size_t i = 0; i < PRODUCT_COUNT; ++i) {
    states[i] = SendMessageA(GetDlgItem(GetProductInfo(PRODUCT_ORDER[i]).checkBoxId), BM_GETCHECK, 0, 0);
    anyTicked = anyTicked || states[i] != BST_UNCHECKED;
  }
  if (!anyTicked) {
    ShowStopMessage(SELECT_SOMETHING);
    return;
  }

  EnableRunControls(FALSE);
  std::string captions[PRODUCT_COUNT];
  std::string list;
  for (std::size_t i = 0; i < PRODUCT_COUNT; ++i) {
    if (states[i] != BST_CHECKED) continue;
    captions[i] = GetItemText(GetProductInfo(PRODUCT_ORDER[i]).checkBoxId);
    list += "\r\n・" + captions[i];
  }

  if (ShowMessageBox(ConfirmationText(list).c_str(), TOOL_TITLE, MESSAGE_TYPE_CONFIRM) != IDCANCEL) {
    SetItemText(IDC_STATIC_STATUS, DELETING);
    m_dwRemovedMask = 0;
    int results[PRODUCT_COUNT] = {};
    for (std::size_t i = 0; i < PRODUCT_COUNT; ++i)
      if (states[i] == BST_CHECKED) results[i] = RemoveProduct(PRODUCT_ORDER[i]);

    ResultRows rows;
    for (std::size_t i = 0; i < PRODUCT_COUNT; ++i) {
      if (states[i] != BST_CHECKED) continue;
      ProductKind kind = PRODUCT_ORDER[i];
      rows.Add(MakeResultRow(OutcomeOf(results[i], kind, m_dwRemovedMask), kind, VersionText(kind),
                             captions[i].c_str()));
    }
    CC_INSDEL_FINALRESULTDlg finalResult;
    finalResult.SetResults(rows);
    finalResult.DoModal(GetSafeHwnd());
  }

  EnableRunControls(TRUE);
  SetItemText(IDC_STATIC_STATUS, "");
  EndDialog(IDCANCEL);
}
