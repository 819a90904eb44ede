#pragma once

// Driving the template list from a test: open it for a cheque, act inside
// it, and answer or count the windows it opens.

#include "app/forms.h"
#include "print/frm_designedchequelist.h"
#include "ui/frm_dlg.h"

#include "../common/testsupport.h"

#include <QPlainTextEdit>
#include <QPushButton>

// Runs `act` inside the template list once it is shown for `code`, then
// closes it; returns when ShowTemplateList does.
inline void WithTemplateList(qint64 code, const std::function<void()> &act)
{
    onNextModal([act](QWidget *) {
        act();
        QTest::mouseClick(frm_DesignedChequeList->btn_Cancel, Qt::LeftButton);
    }, QStringLiteral("frm_DesignedChequeList"));
    ShowTemplateList(code);
}

// Closes every window of the given name that opens while it lives, and
// counts them: a check that a window does not open cannot hang the test.
class WindowWatch
{
public:
    explicit WindowWatch(const QString &objectName)
    {
        QObject::connect(&m_timer, &QTimer::timeout, [this, objectName] {
            for (QWidget *window : QApplication::topLevelWidgets()) {
                if (window->objectName() == objectName && window->isVisible()) {
                    ++m_opened;
                    window->close();
                }
            }
        });
        m_timer.start(10);
    }
    int opened() const { return m_opened; }

private:
    QTimer m_timer;
    int m_opened = 0;
};


// Answers every message dialog that opens while it lives: with its " بله"
// or " تائيد" button, its " خير" button, or Enter; keeps what each said and
// whether Enter answered " خير" there.
class DialogAnswers
{
public:
    enum Answer { Yes, No, Enter };
    struct Seen
    {
        int kind; // 4 when the cancel button showed, else 0
        QString caption;
        QString message;
        bool noIsDefault; // Enter answers " خير"
    };

    explicit DialogAnswers(Answer answer) : m_answer(answer)
    {
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            if (!frm_Dlg || !frm_Dlg->isVisible() || m_busy)
                return;
            m_busy = true;
            m_seen.append({frm_Dlg->btn_cansel->isVisible() ? 4 : 0, frm_Dlg->windowTitle(),
                           frm_Dlg->mem_message->toPlainText(), frm_Dlg->btn_cansel->isDefault()});
            if (m_answer == Enter)
                QTest::keyClick(frm_Dlg, Qt::Key_Return);
            else
                QTest::mouseClick(m_answer == Yes ? frm_Dlg->btn_ok : frm_Dlg->btn_cansel, Qt::LeftButton);
            m_busy = false;
        });
        m_timer.start(10);
    }
    void setAnswer(Answer answer) { m_answer = answer; }
    const QList<Seen> &seen() const { return m_seen; }

private:
    QTimer m_timer;
    Answer m_answer;
    QList<Seen> m_seen;
    bool m_busy = false;
};
