#include "templates/frm_chequeimage.h"

#include "ui/filechooser.h"

#include "app/forms.h"
#include "browse/frm_main.h"
#include "ui/formstyle.h"
#include "ui/frm_dlg.h"
#include "ui/spinedit.h"

#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QImageReader>
#include <QLabel>
#include <QPushButton>

using namespace Qt::Literals::StringLiterals;

Tfrm_ChequeImage::Tfrm_ChequeImage(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
                          | Qt::MSWindowsFixedSizeDialogHint)
{
    SetUpForm(this, u"frm_ChequeImage"_s);
    setFixedSize(266, 136);

    auto *frame = new QGroupBox(u"اندازه چک"_s, this);
    frame->setGeometry(8, 4, 250, 84);
    const auto row = [frame](const QString &caption, int top, int initial, const QString &name) {
        auto *label = new QLabel(caption, frame);
        label->setGeometry(170, top, 72, 21);
        auto *spin = new SpinEdit(frame);
        spin->setObjectName(name);
        spin->setGeometry(70, top, 95, 22);
        spin->setCurrentValue(initial);
        auto *unit = new QLabel(u"میلیمتر"_s, frame);
        unit->setGeometry(8, top, 58, 21);
        return spin;
    };
    edt_Length = row(u"ارتفاع چک"_s, 22, 60, u"edt_Length"_s);
    edt_Width = row(u"طول چک"_s, 52, 120, u"edt_Width"_s);

    BitBtn1 = new QPushButton(u"انتخاب تصویر"_s, this);
    BitBtn1->setObjectName(u"BitBtn1"_s);
    BitBtn1->setGeometry(138, 96, 120, 32);
    BitBtn1->setDefault(true);
    BitBtn2 = new QPushButton(u"انصراف"_s, this);
    BitBtn2->setObjectName(u"BitBtn2"_s);
    BitBtn2->setGeometry(8, 96, 120, 32);

    // FormCreate: the current size is what the spin edits show.
    m_width = edt_Width->currentValue();
    m_height = edt_Length->currentValue();
    connect(edt_Width, &SpinEdit::changed, this, [this] { m_width = edt_Width->currentValue(); });
    connect(edt_Length, &SpinEdit::changed, this, [this] { m_height = edt_Length->currentValue(); });
    connect(BitBtn1, &QPushButton::clicked, this, &Tfrm_ChequeImage::BitBtn1Click);
    connect(BitBtn2, &QPushButton::clicked, this, &Tfrm_ChequeImage::BitBtn2Click);
}

void Tfrm_ChequeImage::BitBtn1Click()
{
    FName.clear();
    if (ShowDlg(4, u"سؤال"_s, u"آیا عکسی برای انتخاب وجود دارد؟"_s) == u"cancel"_s) {
        accept(); // no picture: the size alone
        return;
    }
    const QString chosen = ChoosePictureFile(this);
    if (chosen.isEmpty())
        return; // back to this dialog
    FName = chosen;
    accept();
}

void Tfrm_ChequeImage::BitBtn2Click()
{
    FName.clear();
    reject();
}

QString ChoosePictureFile(QWidget *parent)
{
    QFileDialog chooser(parent);
    chooser.setObjectName(u"PictureChooser"_s);
    chooser.setOption(QFileDialog::DontUseNativeDialog);
    MakeReadableRightToLeft(chooser);
    chooser.setFileMode(QFileDialog::ExistingFile);
    chooser.setAcceptMode(QFileDialog::AcceptOpen);
    const QString picture = u"انتخاب تصویر"_s.section(u' ', 1);
    chooser.setNameFilters({picture + u" (*.jpg *.jpeg *.bmp *.png)"_s, u"JPEG (*.jpg *.jpeg)"_s,
                            u"BMP (*.bmp)"_s, u"PNG (*.png)"_s});

    auto *preview = new QLabel(&chooser);
    preview->setObjectName(u"preview"_s);
    preview->setFixedSize(200, 120);
    preview->setAlignment(Qt::AlignCenter);
    preview->setFrameShape(QFrame::StyledPanel);
    if (auto *grid = qobject_cast<QGridLayout *>(chooser.layout()))
        grid->addWidget(preview, 1, grid->columnCount(), 3, 1);
    QObject::connect(&chooser, &QFileDialog::currentChanged, preview, [preview](const QString &path) {
        QImageReader reader(path);
        const QSize size = reader.size();
        if (!size.isValid()) {
            preview->clear();
            return;
        }
        // Read at the preview's size: cheque pictures are large.
        reader.setScaledSize(size.scaled(preview->size(), Qt::KeepAspectRatio));
        preview->setPixmap(QPixmap::fromImageReader(&reader));
    });
    if (chooser.exec() != QDialog::Accepted || chooser.selectedFiles().isEmpty())
        return QString();
    return QDir::toNativeSeparators(chooser.selectedFiles().first());
}

bool AskChequeImage(QString &path, int &width, int &height)
{
    if (frm_ChequeImage->exec() != QDialog::Accepted)
        return false;
    width = frm_ChequeImage->currentWidth();
    height = frm_ChequeImage->currentHeight();
    path = frm_ChequeImage->fileName();
    return true;
}

void Tfrm_ChequeImage::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (frm_main)
        CentreOver(this, frm_main);
}
