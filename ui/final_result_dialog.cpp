#include "ui/final_result_dialog.h"

#include "core/final_result_texts.h"
#include "res/resource.h"

namespace {

const int NAME_LABELS[FINAL_RESULT_LINES] = {IDC_STATIC_NAME1, IDC_STATIC_NAME2, IDC_STATIC_NAME3};
const int OUTCOME_LABELS[FINAL_RESULT_LINES] = {IDC_STATIC_RESULT1, IDC_STATIC_RESULT2, IDC_STATIC_RESULT3};

}  // namespace

CC_INSDEL_FINALRESULTDlg::CC_INSDEL_FINALRESULTDlg() : ModalDialog(IDD_INSDEL_FINALRESULT) {}

BOOL CC_INSDEL_FINALRESULTDlg::OnInitDialog() {
  FinalResultTexts texts = ComposeFinalResultTexts(m_aResults);
  for (std::size_t i = 0; i < FINAL_RESULT_LINES && i < m_aResults.GetSize(); ++i) {
    SetItemText(NAME_LABELS[i], texts.names[i]);
    SetItemText(OUTCOME_LABELS[i], texts.outcomes[i]);
  }
  SetItemText(IDC_STATIC_STATUS, texts.advice.c_str());
  return TRUE;
}
