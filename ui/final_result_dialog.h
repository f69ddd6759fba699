// The last dialog of a run: each product's outcome and what to do next. Only OK closes it.
#pragma once
#include "core/result_table.h"
#include "ui/modal_dialog.h"

class CC_INSDEL_FINALRESULTDlg : public ModalDialog {
 public:
  CC_INSDEL_FINALRESULTDlg();

  void SetResults(const ResultRows& rows) { m_aResults.Copy(rows); }

  ResultRows m_aResults;

 protected:
  BOOL OnInitDialog() override;
  void OnCancel() override {}  // Esc, the close box and the system menu's Close do nothing
};
