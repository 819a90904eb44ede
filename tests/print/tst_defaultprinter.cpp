#include "app/application.h"
#include "app/forms.h"
#include "browse/frm_main.h"
#include "print/frm_printcheque.h"
#include "print/printjob.h"

#include "printfixture.h"

#include <QDateTime>
#include <QDirIterator>
#include <QPrinterInfo>
#include <QThread>

using namespace Qt::Literals::StringLiterals;

// Prints a cheque through the system's default printer. On CI that printer
// is CUPS's PDF printer (scripts/pdf-printer), whose output is read back.
class TestDefaultPrinter : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void chequeComesOutOfTheDefaultPrinter();
};

namespace {

// Where CUPS-PDF writes a user's pages: ~/PDF of the user's home in the
// password file, which may not be $HOME (root in a CI container), unless
// CUPS_PDF_OUT says otherwise.
QStringList PrinterOutputFolders()
{
    const QString given = qEnvironmentVariable("CUPS_PDF_OUT");
    if (!given.isEmpty())
        return {given};
    QStringList folders{QDir::homePath() + u"/PDF"_s, u"/root/PDF"_s};
    folders.removeDuplicates();
    return folders;
}

QStringList PdfsNewerThan(const QStringList &folders, const QDateTime &since)
{
    QStringList found;
    for (const QString &folder : folders) {
        QDirIterator it(folder, {u"*.pdf"_s}, QDir::Files);
        while (it.hasNext()) {
            const QFileInfo file(it.next());
            if (file.lastModified() >= since)
                found << file.absoluteFilePath();
        }
    }
    return found;
}

} // namespace

void TestDefaultPrinter::chequeComesOutOfTheDefaultPrinter()
{
    if (qgetenv("CI") != "true")
        QSKIP("prints on a real printer: runs only with CI=true, where scripts/test makes CUPS's PDF printer the default");
    QVERIFY2(!QPrinterInfo::defaultPrinter().isNull(), "CI=true but there is no default printer");

    ProgramFolder folder;
    WriteSampleDatabase(folder.fallbackDatabase(), 5);
    CreateForms({folder.exeDir, folder.parentDir});
    const qint64 id = AddFixtureTemplate(folder.fallbackDatabase(), u"fixture"_s, 120, 60, 0);
    frm_PrintCheque->setOutputFile(QString());

    const QDateTime since = QDateTime::currentDateTime().addSecs(-1);
    PrintChequeWithTemplate(id, 1);
    QCOMPARE(frm_PrintCheque->pagesPrinted(), 1);
    DestroyForms();

    // The scheduler writes the page a moment later, and not all at once.
    QStringList out;
    QList<PdfPage> pages;
    for (int tries = 0; tries < 600 && pages.isEmpty(); ++tries) {
        QThread::msleep(100);
        out = PdfsNewerThan(PrinterOutputFolders(), since);
        if (out.size() == 1)
            pages = ReadPdf(out.first());
    }
    QVERIFY2(out.size() == 1, qPrintable(u"pages in "_s + PrinterOutputFolders().join(u", "_s) + u": "_s + out.join(u", "_s)));
    QCOMPARE(pages.size(), 1);
    // 120 x 60 mm, to the printer's rounding to whole points.
    QVERIFY2(std::abs(pages.first().size.width() / kPointsPerMm - 120) < 0.7
                 && std::abs(pages.first().size.height() / kPointsPerMm - 60) < 0.7,
             qPrintable(u"%1 x %2 pt"_s.arg(pages.first().size.width()).arg(pages.first().size.height())));
    QVERIFY(!pages.first().words.isEmpty());
}

int main(int argc, char *argv[])
{
    ChequeApplication app(argc, argv);
    TestDefaultPrinter test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_defaultprinter.moc"
