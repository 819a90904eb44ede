#pragma once

#include "app/database.h"
#include "app/forms.h"
#include "browse/chequelist.h"
#include "browse/columnlayout.h"

#include <QWidget>

class ChequeListModel;
class MaskedEdit;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;

// The main window: the accounting package's cheques, their filters and the
// way into printing. Its creation runs start-up; closing it ends the program.
class Tfrm_main : public QWidget
{
    Q_OBJECT

public:
    explicit Tfrm_main(const ProgramFolders &folders, QWidget *parent = nullptr);
    ~Tfrm_main() override;

    Connection Con;
    Query q{Con};
    ChequeList Checkk{Con};

    QGroupBox *GroupBox1;
    QCheckBox *chk_shoomarehch;
    QLineEdit *edt_shoomarehch;
    QCheckBox *chk_bank;
    QComboBox *cmb_bank;
    QCheckBox *chk_shhesab;
    QComboBox *cmb_shhesab;
    QCheckBox *chk_esmcode;
    QComboBox *cmb_esmcode;
    QCheckBox *chk_status;
    QComboBox *cmb_status;
    QCheckBox *chk_mablaghch;
    MaskedEdit *edt_mablaghch;
    QComboBox *cmb_relation;
    QCheckBox *chk_sharh;
    QLineEdit *edt_sharh;
    QPushButton *btn_Print;
    QPushButton *BitBtn2;
    QLabel *Label1;
    QTableView *DBGrid1;

    const ProgramFolders &folders() const { return m_folders; }
    // True when start-up found a database that is not the accounting
    // package's: the message was shown and the program is to end.
    bool endedAtStartup() const { return m_ended; }
    // The grid's columns as they stand now, in display order.
    QList<GridColumn> gridColumns() const;
    void setGridColumns(const QList<GridColumn> &columns);
    ChequeListModel *listModel() const { return m_model; }

    static QString ListStatement() { return QStringLiteral("Select * from [Checkk]"); }
    // Every column of the accounting package's cheque table that the list
    // binds; a table without one of them is not opened.
    static QStringList CheckkColumns();
    // Over the empty list when start-up could not connect: that it is not
    // connected, and the driver's reason.
    QLabel *lbl_NotConnected = nullptr;
    // The codes of the selected cheques, in the list's order.
    QList<qint64> selectedCodes() const;

    // The splash screen comes first when the window is first shown; the
    // program asks for it, tests mostly do not.
    void setSplashOnFirstShow(bool splash) { m_splashOnFirstShow = splash; }
    void setVisible(bool visible) override;

    void btn_PrintClick();
    void BitBtn2Click();
    void DBGrid1TitleClick(int column);

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void showNotConnected(const QString &why);
    void FormCreate();
    void FormClose();
    void FormShow();
    void PrepareDatabase();
    void openListAndFilters();
    void selectFirstRow();
    void buildControls();
    void wireFilter(QCheckBox *box, std::initializer_list<QWidget *> fields);

    ProgramFolders m_folders;
    ChequeListModel *m_model = nullptr;
    bool m_ended = false;
    bool m_splashOnFirstShow = false;
    bool m_shownBefore = false;
};
