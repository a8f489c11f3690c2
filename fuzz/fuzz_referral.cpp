// Fuzzes the refer-a-friend submit: five values, separated by NUL bytes, go through its
// checks; either exactly one message comes back and nothing is sent, or exactly one address
// is sent whose query holds the six keys in order, each value escaped so that a web
// server's form decoding gives back the five values, trimmed of spaces, and the product
// root. The query is decoded here the way such a server does it, not with QUrl, whose
// decoder keeps some valid UTF-8 (the non-characters) escaped.
#include "Links.h"
#include "modTellAFriend.h"

#include <QDesktopServices>
#include <QGuiApplication>
#include <QUrl>

#include <cstdint>
#include <cstdlib>

namespace {

class Browser : public QObject
{
    Q_OBJECT

public:
    QList<QByteArray> opened;

public slots:
    void open(const QUrl &url) { opened.append(url.toEncoded()); }
};

Browser *browser = nullptr;

void require(bool holds)
{
    if (!holds)
        std::abort();
}

bool isUnreserved(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')
           || c == '-' || c == '.' || c == '_' || c == '~';
}

bool isHexDigit(char c)
{
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
}

// Only unreserved characters and %XX escapes: nothing a server could read as a separator.
bool isEscaped(const QByteArray &value)
{
    for (qsizetype i = 0; i < value.size(); ++i) {
        if (value[i] == '%') {
            if (i + 2 >= value.size() || !isHexDigit(value[i + 1]) || !isHexDigit(value[i + 2]))
                return false;
            i += 2;
        } else if (!isUnreserved(value[i])) {
            return false;
        }
    }
    return true;
}

// The key and value pairs of an address's query, as a server's form decoding gives them.
QList<QPair<QString, QString>> formFields(const QByteArray &address)
{
    QList<QPair<QString, QString>> fields;
    const QByteArray query = address.mid(address.indexOf('?') + 1);
    for (const QByteArray &pair : query.split('&')) {
        const qsizetype equals = pair.indexOf('=');
        require(equals > 0 && isEscaped(pair.mid(equals + 1)));
        fields.append({QString::fromUtf8(pair.left(equals)),
                       QString::fromUtf8(QByteArray::fromPercentEncoding(pair.mid(equals + 1)))});
    }
    return fields;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "fuzz_referral";
    static char *argv[] = {name, nullptr};
    static QGuiApplication app(argc, argv);
    static Browser stub;
    browser = &stub;
    QDesktopServices::setUrlHandler(QStringLiteral("http"), browser, "open");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QList<QByteArray> fields =
        QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size)).split('\0');
    fields.resize(5);
    const auto value = [&](int i) { return QString::fromUtf8(fields.at(i)); };
    const Referral typed{value(0), value(1), value(2), value(3), value(4)};

    browser->opened.clear();
    const std::optional<QString> problem = submitReferral(typed);

    if (problem) {
        require(!problem->isEmpty() && browser->opened.isEmpty());
        return 0;
    }
    require(browser->opened.size() == 1);
    const QByteArray &address = browser->opened.first();
    require(address.startsWith(MainSiteAddress().toLatin1() + "/twls-refer-a-friend.php?"));
    const QList<QPair<QString, QString>> sent = formFields(address);
    const QList<QPair<QString, QString>> expected{
        {"taf1", trimSpaces(typed.name)},       {"taf2", trimSpaces(typed.email)},
        {"taf3", trimSpaces(typed.message)},    {"taf4", trimSpaces(typed.friendName)},
        {"taf5", trimSpaces(typed.friendEmail)}, {"taf6", ProductSiteRoot()}};
    require(sent == expected);
    return 0;
}

#include "fuzz_referral.moc"
