// Fuzzes the refer-a-friend checks and request: five values, separated by NUL bytes, go
// through the submit's checks; either exactly one message comes back and nothing is sent,
// or exactly one address is sent that decodes back to the five values and the product root.
#include "Links.h"
#include "modTellAFriend.h"

#include <QDesktopServices>
#include <QGuiApplication>
#include <QUrlQuery>

#include <cstdint>
#include <cstdlib>

namespace {

class Browser : public QObject
{
    Q_OBJECT

public:
    QStringList opened;

public slots:
    void open(const QUrl &url) { opened.append(url.toString(QUrl::FullyEncoded)); }
};

Browser *browser = nullptr;

void require(bool holds)
{
    if (!holds)
        std::abort();
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
    const auto value = [&](int i) { return trimSpaces(QString::fromUtf8(fields.at(i))); };
    const Referral values{value(0), value(1), value(2), value(3), value(4)};

    browser->opened.clear();
    std::optional<QString> problem = checkAddresses(values);
    if (!problem)
        problem = TellAFriend(values);

    if (problem) {
        require(!problem->isEmpty() && browser->opened.isEmpty());
        return 0;
    }
    require(browser->opened.size() == 1);
    const QList<QPair<QString, QString>> sent =
        QUrlQuery(QUrl(browser->opened.first())).queryItems(QUrl::FullyDecoded);
    const QList<QPair<QString, QString>> expected{
        {"taf1", values.name},       {"taf2", values.email},       {"taf3", values.message},
        {"taf4", values.friendName}, {"taf5", values.friendEmail}, {"taf6", ProductSiteRoot()}};
    require(sent == expected);
    return 0;
}

#include "fuzz_referral.moc"
