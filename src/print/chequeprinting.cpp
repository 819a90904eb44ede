#include "print/chequeprinting.h"

#include "app/apperror.h"
#include "app/database.h"
#include "app/forms.h"
#include "print/chequetexts.h"
#include "print/frm_printcheque.h"
#include "print/printerchoice.h"
#include "print/printjob.h"
#include "print/printregister.h"
#include "templates/frm_chequedesign.h"
#include "ui/frm_dlg.h"

using namespace Qt::Literals::StringLiterals;

namespace {

const QString kError = u"خطا"_s;
const QString kQuestion = u"سؤال"_s;

// False when the user would rather not print: the register holds the cheque,
// or cannot be read to tell.
bool firstPrintOrAgreed(Query &q, qint64 code)
{
    PastPrints past;
    try {
        past = FindPastPrints(q, code);
    } catch (const AppError &e) {
        return ShowDlg(4, kQuestion,
                       u"دفتر چاپ خوانده نشد، پس معلوم نیست این چک پیش از این چاپ شده است یا نه. آیا چاپ شود؟\n"_s
                           + e.message(),
                       DefaultAnswer::No)
            == u"ok"_s;
    }
    if (past.count == 0)
        return true;
    return ShowDlg(4, kQuestion,
                   u"این چک پیش از این چاپ شده است: آخرین بار %1 با چاپگر «%2»%3. آیا دوباره چاپ شود؟"_s
                       .arg(SolarDateTimeText(past.last), past.lastPrinter,
                            past.count > 1 ? u" (%1 بار در همه)"_s.arg(past.count) : QString()),
                   DefaultAnswer::No)
        == u"ok"_s;
}

} // namespace

PrintAttempt PrintChequeOnce(qint64 chequeId, const QString &title, qint64 code, Query &q)
{
    PrintAttempt attempt;
    q.close();
    q.clear();
    q.add(ChequeByCodeStatement(code));
    q.open();
    const QVariant amount = FieldOrNull(q, u"mablaghch"_s);
    const ChequeTexts texts = MakeChequeTexts(FieldOrNull(q, u"tarikh"_s), amount, FieldOrNull(q, u"sharh"_s));
    attempt.chequeNumber = FieldOrNull(q, u"shoomarehch"_s).toString();
    if (!texts.printable()) {
        ShowDlg(0, kError, texts.refusal);
        return attempt;
    }
    if (!firstPrintOrAgreed(q, code)) {
        attempt.outcome = PrintAttempt::Declined;
        return attempt;
    }
    if (frm_PrintCheque->destination().isEmpty()) {
        ShowDlg(0, kError, PrinterChoice::NothingPrintedMessage(QString()));
        attempt.outcome = PrintAttempt::NoPrinter;
        return attempt;
    }

    // Items of the filled cheque that fall off its page are said once.
    FillDesignerWithCheque(chequeId, code);
    frm_ChequeDesign->warnOffThePage();

    const bool printed = PrintChequeWithTemplate(chequeId, code);
    attempt.destination = frm_PrintCheque->lastDestination();
    if (!printed) {
        ShowDlg(0, kError, PrinterChoice::NothingPrintedMessage(attempt.destination));
        attempt.outcome = PrintAttempt::NotTaken;
        return attempt;
    }
    attempt.outcome = PrintAttempt::Printed;

    // Only now: the register holds what is on paper, nothing else.
    try {
        RegisterPrint(q, NewPrintRecord(code, attempt.chequeNumber, amount.toDouble(), chequeId, title,
                                        attempt.destination));
    } catch (const AppError &e) {
        // The cheque is on paper: the user must know it is not on record.
        ShowDlg(0, kError, u"چک با چاپگر «%1» چاپ شد، اما در دفتر چاپ ثبت نشد.\n"_s.arg(attempt.destination)
                               + e.message());
    }
    return attempt;
}

QString PrintedLine(const PrintAttempt &attempt)
{
    return u"چک شماره %1 به چاپگر «%2» داده شد."_s.arg(attempt.chequeNumber, attempt.destination);
}
