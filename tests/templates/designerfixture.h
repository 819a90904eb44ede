#pragma once

// What the designer's tests share: answering the save's title dialog and the
// message after it.

#include "app/forms.h"
#include "templates/frm_chequetitle.h"
#include "ui/frm_dlg.h"

#include "../common/testsupport.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include <memory>

// Answers the title dialog with `title`, and the message that follows a
// save with Enter; returns what the message said.
inline std::shared_ptr<QString> answerTitle(const QString &title)
{
    onNextModal([title](QWidget *) {
        frm_ChequeTitle->edt_Title->setText(title);
        QTest::mouseClick(frm_ChequeTitle->BitBtn1, Qt::LeftButton);
    }, QStringLiteral("frm_ChequeTitle"));
    auto said = std::make_shared<QString>();
    onNextModal([said](QWidget *modal) {
        *said = modal->windowTitle() + QLatin1Char('|') + frm_Dlg->mem_message->toPlainText();
        QTest::keyClick(frm_Dlg->btn_ok, Qt::Key_Return);
    }, QStringLiteral("frm_Dlg"));
    return said;
}

