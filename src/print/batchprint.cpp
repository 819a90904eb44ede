#include "print/batchprint.h"

#include "app/apperror.h"
#include "app/database.h"
#include "app/forms.h"
#include "print/chequetexts.h"
#include "print/frm_printcheque.h"
#include "print/printerchoice.h"
#include "print/printjob.h"
#include "print/printregister.h"
#include "report/reportprinter.h"
#include "templates/frm_chequedesign.h"
#include "ui/frm_dlg.h"

using namespace Qt::Literals::StringLiterals;

namespace {

struct Planned
{
    qint64 code = 0;
    QString number;
    double amount = 0;
    QString refusal;
    QString printedBefore; // when and where, when it was
};

Planned plan(Query &q, qint64 code)
{
    Planned p;
    p.code = code;
    q.close();
    q.clear();
    q.add(ChequeByCodeStatement(code));
    q.open();
    const QVariant amount = FieldOrNull(q, u"mablaghch"_s);
    p.number = FieldOrNull(q, u"shoomarehch"_s).toString();
    p.amount = amount.toDouble();
    p.refusal = MakeChequeTexts(FieldOrNull(q, u"tarikh"_s), amount, FieldOrNull(q, u"sharh"_s)).refusal;
    if (!p.refusal.isEmpty())
        return p;
    try {
        const PastPrints past = FindPastPrints(q, code);
        if (past.count > 0)
            p.printedBefore = u"%1، «%2»"_s.arg(SolarDateTimeText(past.last), past.lastPrinter);
    } catch (const AppError &) {
        p.printedBefore = u"دفتر چاپ خوانده نشد"_s;
    }
    return p;
}

// Which of the planned cheques go to paper, as the user decides.
QList<Planned> chooseToPrint(const QList<Planned> &planned)
{
    QStringList refused, before;
    QList<Planned> fine, again;
    for (const Planned &p : planned) {
        if (!p.refusal.isEmpty())
            refused << u"چک %1: %2"_s.arg(p.number, p.refusal);
        else if (!p.printedBefore.isEmpty()) {
            before << u"چک %1: %2"_s.arg(p.number, p.printedBefore);
            again << p;
        } else {
            fine << p;
        }
    }
    if (refused.isEmpty() && before.isEmpty())
        return fine;
    QString message;
    if (!refused.isEmpty())
        message += u"این چک ها چاپ نمی شوند:\n"_s + refused.join(u'\n') + u"\n\n"_s;
    if (!before.isEmpty()) {
        message += u"این چک ها پیش از این چاپ شده اند:\n"_s + before.join(u'\n')
            + u"\n\nآیا این ها هم دوباره چاپ شوند؟ با «خیر» فقط %1 چک دیگر چاپ می شود."_s.arg(fine.size());
        if (ShowDlg(4, u"سؤال"_s, message, DefaultAnswer::No) != u"ok"_s)
            return fine;
        QList<Planned> all;
        for (const Planned &p : planned) {
            if (p.refusal.isEmpty())
                all << p;
        }
        return all;
    }
    if (fine.isEmpty()) {
        ShowDlg(0, u"خطا"_s, message + u"هیچ چکی برای چاپ نمانده است."_s);
        return {};
    }
    message += u"آیا %1 چک دیگر چاپ شوند؟"_s.arg(fine.size());
    return ShowDlg(4, u"سؤال"_s, message) == u"ok"_s ? fine : QList<Planned>();
}

} // namespace

BatchResult PrintChequeBatch(qint64 chequeId, const QString &title, const QList<qint64> &codes, Query &q,
                             const BatchProgress &beforePage)
{
    BatchResult result;
    QList<Planned> planned;
    for (qint64 code : codes)
        planned << plan(q, code);
    const QList<Planned> toPrint = chooseToPrint(planned);
    if (toPrint.isEmpty())
        return result;

    Tfrm_PrintCheque &print = *frm_PrintCheque;
    const std::unique_ptr<ReportPrintJob> job = print.openJob();
    result.destination = print.lastDestination();
    if (result.destination.isEmpty()) {
        ShowDlg(0, u"خطا"_s, PrinterChoice::NothingPrintedMessage(QString()));
        return result;
    }
    QList<const Planned *> onPaper;
    for (const Planned &p : toPrint) {
        if (beforePage && !beforePage(int(onPaper.size()), int(toPrint.size()), p.number)) {
            result.cancelled = true;
            break;
        }
        try {
            FillDesignerWithCheque(chequeId, p.code);
        } catch (const AppError &) {
            continue; // changed since it was checked: it stays off the paper
        }
        TransferToPrintPage(*frm_ChequeDesign, print);
        if (!job->addPage(*print.QR))
            break;
        onPaper << &p;
    }
    if (onPaper.isEmpty() || !job->finish()) {
        if (!onPaper.isEmpty() || !result.cancelled)
            ShowDlg(0, u"خطا"_s, PrinterChoice::NothingPrintedMessage(result.destination));
        return result;
    }

    QStringList unregistered;
    for (const Planned *p : onPaper) {
        result.printed << p->code;
        try {
            RegisterPrint(q, NewPrintRecord(p->code, p->number, p->amount, chequeId, title, result.destination));
        } catch (const AppError &e) {
            unregistered << p->number + u": "_s + e.message();
        }
    }
    if (!unregistered.isEmpty()) {
        ShowDlg(0, u"خطا"_s, u"این چک ها چاپ شدند، اما در دفتر چاپ ثبت نشدند:\n"_s + unregistered.join(u'\n'));
    }
    return result;
}
