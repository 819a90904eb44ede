// The first line of Database.txt, whatever it holds: the target never
// crashes, an ODBC text always ends its last value, and an OLE DB line said
// again for ODBC carries only the keys the program writes, each once, with
// no value able to start a key of its own.

#include "app/database.h"

#include "fuzzsupport.h"

#include <QSet>

using namespace Qt::Literals::StringLiterals;

namespace {

// Splits an ODBC connection text as a driver manager reads it: values in
// braces may hold anything, "}}" standing for one brace.
bool SplitOdbc(const QString &text, QStringList &keys)
{
    qsizetype i = 0;
    while (i < text.size()) {
        const qsizetype equals = text.indexOf(u'=', i);
        if (equals < 0)
            return false;
        keys << text.mid(i, equals - i).toLower();
        i = equals + 1;
        if (i < text.size() && text[i] == u'{') {
            ++i;
            for (;; ++i) {
                if (i >= text.size())
                    return false;
                if (text[i] == u'}') {
                    if (i + 1 < text.size() && text[i + 1] == u'}') {
                        ++i;
                        continue;
                    }
                    break;
                }
            }
            ++i;
            if (i < text.size() && text[i] != u';')
                return false;
        } else {
            const qsizetype end = text.indexOf(u';', i);
            i = end < 0 ? text.size() : end;
        }
        ++i; // the ';'
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString line = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    const ConnectionTarget target = ResolveConnectionString(line);
    if (target.kind != ConnectionTarget::Odbc)
        return 0;
    FUZZ_CHECK(target.databaseName.endsWith(u';'), target.databaseName);
    // An ODBC line is handed on as it stands.
    if (target.databaseName == line || target.databaseName == line + u';')
        return 0;
    // Said again from an OLE DB line: only the program's own keys.
    QStringList keys;
    FUZZ_CHECK(SplitOdbc(target.databaseName, keys), target.databaseName);
    static const QSet<QString> known{u"driver"_s, u"server"_s, u"port"_s, u"tds_version"_s, u"clientcharset"_s,
                                     u"database"_s, u"trusted_connection"_s, u"uid"_s, u"pwd"_s};
    QSet<QString> seen;
    for (const QString &key : std::as_const(keys)) {
        FUZZ_CHECK(known.contains(key), target.databaseName);
        FUZZ_CHECK(!seen.contains(key), target.databaseName);
        seen.insert(key);
    }
    FUZZ_CHECK(seen.contains(u"driver"_s), target.databaseName);
    return 0;
}
