// How fast the cheque list opens, sorts and searches over a large database,
// measured on the real main window. Usage: chequeprint-bench FILE [RUNS]
//
// Every figure is the median of RUNS runs, with the highest peak of resident
// memory seen while it ran, and its ratio to the time the sqlite3 program
// takes to print the whole table to nowhere.

#include "app/application.h"
#include "app/forms.h"
#include "browse/chequelistmodel.h"
#include "browse/frm_main.h"
#include "ui/maskededit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QProcess>
#include <QTableView>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

using namespace Qt::Literals::StringLiterals;

namespace {

// Resident memory at its peak since the last reset, in MB; Linux only, -1
// elsewhere.
double PeakMegabytes()
{
    QFile status(u"/proc/self/status"_s);
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toDouble() / 1024.0;
    }
    return -1;
}

void ResetPeak()
{
    QFile refs(u"/proc/self/clear_refs"_s);
    if (refs.open(QIODevice::WriteOnly))
        refs.write("5");
}

struct Figure
{
    double seconds;
    double peakMb;
};

// `prepare` runs untimed before each run.
Figure Measure(int runs, const std::function<void()> &prepare, const std::function<void()> &work)
{
    std::vector<double> times;
    double peak = 0;
    for (int i = 0; i < runs; ++i) {
        prepare();
        ResetPeak();
        QElapsedTimer timer;
        timer.start();
        work();
        times.push_back(timer.nsecsElapsed() / 1e9);
        peak = std::max(peak, PeakMegabytes());
    }
    std::sort(times.begin(), times.end());
    return {times[times.size() / 2], peak};
}

// What the grid asks for to show its first screen of rows.
void TouchFirstRows()
{
    const ChequeListModel *model = frm_main->listModel();
    const int rows = std::min(model->rowCount(), 30);
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < model->columnCount(); ++column)
            model->index(row, column).data(Qt::DisplayRole);
    }
}

void OpenWholeList()
{
    frm_main->Checkk.close();
    frm_main->Checkk.setText({Tfrm_main::ListStatement()});
    frm_main->Checkk.open();
    frm_main->listModel()->reload();
    frm_main->DBGrid1->setCurrentIndex(frm_main->listModel()->index(0, 0));
    TouchFirstRows();
}

int ColumnOf(const QString &field)
{
    const QList<GridColumn> &columns = frm_main->listModel()->columns();
    for (int i = 0; i < columns.size(); ++i) {
        if (columns[i].field == field)
            return i;
    }
    return -1;
}

void Print(const char *what, const Figure &f, double base, const char *target)
{
    std::printf("%-28s %7.3f s  %5.2f x sqlite3  peak %6.0f MB   target: %s\n", what, f.seconds,
                f.seconds / base, f.peakMb, target);
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", qEnvironmentVariable("QT_QPA_PLATFORM", u"offscreen"_s).toUtf8());
    ChequeApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 2) {
        std::fprintf(stderr, "usage: chequeprint-bench FILE [RUNS]\n");
        return 2;
    }
    const QString file = QFileInfo(args[1]).absoluteFilePath();
    const int runs = args.size() > 2 ? std::max(1, args[2].toInt()) : 5;
    if (!QFileInfo::exists(file)) {
        std::fprintf(stderr, "no such file: %s\n", qPrintable(file));
        return 2;
    }

    // A program folder whose settings point at the file.
    QTemporaryDir root;
    QDir(root.path()).mkpath(u"Apps/Cheque"_s);
    QFile settings(root.path() + u"/Apps/Database.txt"_s);
    if (!settings.open(QIODevice::WriteOnly))
        return 1;
    settings.write((u"Provider=SQLite;Data Source="_s + file).toUtf8());
    settings.close();
    SetErrorReporter([](const QString &message) { std::fprintf(stderr, "error: %s\n", qPrintable(message)); });
    CreateForms({root.path() + u"/Apps/Cheque/"_s, root.path() + u"/Apps/"_s});
    if (!frm_main->Checkk.isOpen())
        return 1;
    const int count = frm_main->Checkk.recordCount();
    std::printf("%d cheques in %s, median of %d runs\n\n", count, qPrintable(file), runs);

    const Figure cli = Measure(runs, [] {}, [&file] {
        QProcess sqlite;
        sqlite.setStandardOutputFile(QProcess::nullDevice());
        sqlite.start(u"sqlite3"_s, {file, u"select * from checkk"_s});
        sqlite.waitForFinished(-1);
    });
    std::printf("%-28s %7.3f s\n", "sqlite3, select * > null", cli.seconds);

    const Figure open = Measure(runs, [] { frm_main->Checkk.close(); }, OpenWholeList);
    const int amount = ColumnOf(u"Amount"_s);
    const int person = ColumnOf(u"esmcode"_s);
    const Figure byAmount = Measure(runs, OpenWholeList, [amount] { frm_main->DBGrid1TitleClick(amount); });
    const Figure byName = Measure(runs, OpenWholeList, [person] { frm_main->DBGrid1TitleClick(person); });

    // Bank, status and amount: the first bank of the list, "not passed",
    // amounts of a million rials and more.
    frm_main->chk_bank->setChecked(true);
    frm_main->cmb_bank->setCurrentIndex(0);
    frm_main->chk_status->setChecked(true);
    frm_main->chk_mablaghch->setChecked(true);
    frm_main->cmb_relation->setCurrentIndex(1);
    frm_main->edt_mablaghch->setText(u"1,000,000"_s);
    int found = 0;
    const Figure search = Measure(runs, [] {}, [&found] {
        frm_main->BitBtn2Click();
        TouchFirstRows();
        found = frm_main->Checkk.recordCount();
    });

    // The same file through ODBC (SQLite's ODBC driver), the road a SQL
    // Server database takes. StepAPI: without it the driver copies the
    // whole result before the first row, which FreeTDS does not do.
    frm_main->Con.close();
    frm_main->Con.setConnectionString(u"Driver=SQLite3;StepAPI=1;Database="_s + file);
    const Figure openOdbc = Measure(runs, [] { frm_main->Checkk.close(); }, OpenWholeList);
    const bool odbcOpened = frm_main->Checkk.isOpen() && frm_main->Checkk.recordCount() == count;

    Print("open the whole list", open, cli.seconds, "<= 1.5 x sqlite3");
    if (odbcOpened)
        Print("  the same through ODBC", openOdbc, cli.seconds, "-");
    else
        std::printf("%-28s did not open\n", "  the same through ODBC");
    Print("sort by amount", byAmount, cli.seconds, "<= 0.25 s");
    Print("sort by person's name", byName, cli.seconds, "<= 1 s");
    Print("search, three filters", search, cli.seconds, "-");
    std::printf("%-28s %d cheques\n", "  found", found);
    const double peak = std::max({open.peakMb, byAmount.peakMb, byName.peakMb, search.peakMb, openOdbc.peakMb});
    std::printf("\n%-28s %6.0f MB            target: < 450 MB\n", "peak memory", peak);
    std::printf("%-28s %7.2f (open / sqlite3)\n", "ratio", open.seconds / cli.seconds);
    if (odbcOpened)
        std::printf("%-28s %7.2f (open through ODBC / open from the file)\n", "ODBC ratio",
                    openOdbc.seconds / open.seconds);
    DestroyForms();
    return 0;
}
