#include "tools/sampledata.h"

#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>

using namespace Qt::Literals::StringLiterals;

namespace {

// A small generator of our own: the standard distributions differ between
// libraries, and the sample must not.
class Random
{
public:
    explicit Random(quint64 seed) : m_state(seed * 2862933555777941757ULL + 3037000493ULL) {}
    quint64 next()
    {
        m_state ^= m_state << 13;
        m_state ^= m_state >> 7;
        m_state ^= m_state << 17;
        return m_state;
    }
    int below(int n) { return int(next() % quint64(n)); }
    template <typename T>
    const T &pick(const QList<T> &list) { return list[below(int(list.size()))]; }

private:
    quint64 m_state;
};

const QStringList kFirstNames{
    u"علی"_s, u"محمد"_s, u"حسین"_s, u"رضا"_s, u"مهدی"_s, u"زهرا"_s, u"فاطمه"_s, u"مریم"_s,
    u"سارا"_s, u"نرگس"_s, u"امیر"_s, u"کاوه"_s, u"پژمان"_s, u"ژاله"_s, u"گلناز"_s, u"چنگیز"_s,
};
const QStringList kLastNames{
    u"احمدی"_s, u"رضایی"_s, u"محمدی"_s, u"کریمی"_s, u"حسینی"_s, u"موسوی"_s, u"جعفری"_s,
    u"قاسمی"_s, u"پاکزاد"_s, u"چگینی"_s, u"ژیان"_s, u"گودرزی"_s, u"یزدانی"_s, u"بهرامی"_s,
};
const QStringList kCompanies{
    u"شرکت آریا پخش"_s, u"فروشگاه گلستان"_s, u"بازرگانی پارس"_s, u"صنایع چوب ژینا"_s,
    u"تعاونی کارکنان"_s, u"شرکت ساختمانی البرز"_s,
};
const QStringList kBanks{
    u"ملت"_s, u"پاسارگاد"_s, u"ملی"_s, u"صادرات"_s, u"تجارت"_s, u"سپه"_s, u"کشاورزی"_s,
    u"پارسیان"_s,
};
const QStringList kDescriptions{
    u"بابت خرید کالا"_s, u"پرداخت اجاره دفتر"_s, u"تسویه حساب فاکتور"_s, u"پیش پرداخت قرارداد"_s,
    u"حقوق کارکنان"_s, u"خرید لوازم اداری"_s, u"بازپرداخت وام"_s, u"هزینه حمل و نقل"_s,
};
const QStringList kStatuses{
    u"حواله"_s, u"خرج شده"_s, u"پاس نشده"_s, u"به حساب گذاشته شده"_s,
    u"پاس نقدی"_s, u"پاس شده"_s, u"باطل شده"_s,
};

QString twoDigits(int n)
{
    return QString::number(n).rightJustified(2, u'0');
}

[[noreturn]] void fail(const QSqlError &error)
{
    throw AppError(error.text());
}

} // namespace

QString CreateCheckkTableStatement()
{
    return u"CREATE TABLE [checkk]("
           u" [code] INTEGER PRIMARY KEY AUTOINCREMENT NOT NULL,"
           u" [fakcode] int NULL, [faknum] int NULL,"
           u" [esmcode] nvarchar(60) NULL, [kind] nvarchar(7) NULL,"
           u" [shoomarehch] nvarchar(30) NULL, [bank] nvarchar(60) NULL,"
           u" [tarikh] nvarchar(10) NULL, [sharh] nvarchar(60) NULL,"
           u" [shhesab] nvarchar(30) NULL, [mablaghch] decimal(18,3) NULL,"
           u" [tarikhvoorod] nvarchar(17) NULL, [bankhesab] nvarchar(60) NULL,"
           u" [status] nvarchar(18) NULL, [ashkhas_table] nvarchar(8) NULL,"
           u" [f_ashkhas_table] nvarchar(6) NULL, [kfakcode] int NULL)"_s;
}

void WriteSampleDatabase(const QString &file, int count)
{
    if (QFile::exists(file) && !QFile::remove(file))
        throw AppError(u"Cannot replace "_s + file);
    const QString name = u"chequeprint-sampledb"_s;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(u"QSQLITE"_s, name);
        db.setDatabaseName(file);
        if (!db.open())
            fail(db.lastError());
        QSqlQuery query(db);
        if (!query.exec(CreateCheckkTableStatement()))
            fail(query.lastError());
        db.transaction();
        if (!query.prepare(u"insert into [checkk](fakcode,faknum,esmcode,kind,shoomarehch,bank,tarikh,"
                           u"sharh,shhesab,mablaghch,tarikhvoorod,bankhesab,status,ashkhas_table,"
                           u"f_ashkhas_table,kfakcode) values(?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?)"_s)) {
            fail(query.lastError());
        }
        Random random(20201);
        // A few accounts per bank, so that the filters have something to find.
        QStringList accounts;
        for (int i = 0; i < 24; ++i)
            accounts << QString::number(1000000 + random.below(8999999)) + u'-' + QString::number(random.below(90) + 10);

        for (int i = 0; i < count; ++i) {
            const int bank = random.below(int(kBanks.size()));
            QString person = random.below(4) == 0
                ? random.pick(kCompanies)
                : random.pick(kFirstNames) + u' ' + random.pick(kLastNames);
            const int year = 1399 + random.below(5);
            QString date = QString::number(year) + u'/' + twoDigits(1 + random.below(12)) + u'/'
                + twoDigits(1 + random.below(29));
            QVariant description = random.pick(kDescriptions);
            // Amounts of all sizes, mostly round, up to hundreds of billions.
            const int digits = 1 + random.below(12);
            qint64 amount = 1;
            for (int d = 0; d < digits; ++d)
                amount *= 10;
            amount = (amount / 10) * (1 + random.below(9));
            if (random.below(3) == 0)
                amount += random.below(1000) * 1000;
            if (i % 997 == 5)
                amount = 0;
            QVariant mablaghch = double(amount);

            switch (i) {
            case 1: date = QString::number(year) + u"/7/15"_s; break; // another shape
            case 2: description = QVariant(QMetaType(QMetaType::QString)); break; // NULL
            case 3: person = u"شرکت 'آریا'"_s; break;
            case 4: mablaghch = 1500.5; break;
            default: break;
            }

            query.addBindValue(1000 + i);
            query.addBindValue(i + 1);
            query.addBindValue(person);
            query.addBindValue(random.below(2) ? u"پرداختی"_s : u"دریافتی"_s);
            query.addBindValue(QString::number(100000 + random.below(899999)));
            query.addBindValue(kBanks[bank]);
            query.addBindValue(date);
            query.addBindValue(description);
            query.addBindValue(accounts[(bank * 3 + random.below(3)) % accounts.size()]);
            query.addBindValue(mablaghch);
            query.addBindValue(date + u" 10:30"_s);
            query.addBindValue(kBanks[bank]);
            query.addBindValue(random.pick(kStatuses));
            query.addBindValue(u"ashkhas"_s);
            query.addBindValue(u"f_ash"_s);
            query.addBindValue(0);
            if (!query.exec())
                fail(query.lastError());
        }
        if (!db.commit())
            fail(db.lastError());
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
}
