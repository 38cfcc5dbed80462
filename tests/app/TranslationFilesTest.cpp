// The shipped translations are complete: every text the window folders pass
// through tr() (as lupdate finds them now) has a finished translation in
// each language, with the same %1/%n and the same number of & accelerators.

#include <QFile>
#include <QMap>
#include <QRegularExpression>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

namespace {

struct Message
{
    QString source;
    QStringList forms; // the translation, or its plural forms
    bool finished = false;
};

// context + '\n' + source -> message
QMap<QString, Message> readTs(const QString &path)
{
    QMap<QString, Message> messages;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return messages;
    QXmlStreamReader xml(&file);
    QString context;
    Message message;
    bool inTranslation = false;
    while (!xml.atEnd()) {
        xml.readNext();
        const QStringView name = xml.name();
        if (xml.isEndElement()) {
            if (name == QLatin1String("message"))
                messages.insert(context + QLatin1Char('\n') + message.source, message);
            inTranslation = inTranslation && name != QLatin1String("translation");
        } else if (xml.isCharacters()) {
            // A plural's forms come as elements of their own, read below.
            if (inTranslation && !xml.isWhitespace())
                message.forms << xml.text().toString();
        } else if (name == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (name == QLatin1String("message")) {
            message = {};
        } else if (name == QLatin1String("source")) {
            message.source = xml.readElementText();
        } else if (name == QLatin1String("translation")) {
            message.finished = xml.attributes().value(QLatin1String("type")).isEmpty();
            inTranslation = true;
        } else if (name == QLatin1String("numerusform")) {
            message.forms << xml.readElementText();
        }
    }
    return messages;
}

// The placeholders and accelerators a translation must keep.
QString signature(const QString &text)
{
    static const QRegularExpression marks(QStringLiteral("%[1-9n]"));
    QStringList found;
    for (const QRegularExpressionMatch &m : marks.globalMatch(text))
        found << m.captured();
    found.sort();
    const int ampersands = QString(text).remove(QStringLiteral("&&")).count(QLatin1Char('&'));
    return found.join(QLatin1Char(' ')) + QStringLiteral(" &x%1").arg(ampersands);
}

class TranslationFiles : public ::testing::TestWithParam<const char *>
{
};

TEST_P(TranslationFiles, EveryTextIsTranslated)
{
    const QMap<QString, Message> sources = readTs(QStringLiteral(AMX_SOURCE_TS));
    ASSERT_FALSE(sources.isEmpty());
    const QString path =
        QStringLiteral(AMX_TS_DIR "/ambermox_%1.ts").arg(QString::fromLatin1(GetParam()));
    const QMap<QString, Message> shipped = readTs(path);
    ASSERT_FALSE(shipped.isEmpty()) << path.toStdString();
    QStringList faults;
    for (auto it = sources.begin(); it != sources.end(); ++it) {
        const QString where = QString(it.key()).replace(QLatin1Char('\n'), QStringLiteral(": "));
        const auto found = shipped.find(it.key());
        if (found == shipped.end()) {
            faults << QStringLiteral("missing: ") + where;
            continue;
        }
        if (!found->finished || found->forms.isEmpty()
            || found->forms.contains(QString(), Qt::CaseSensitive)) {
            faults << QStringLiteral("unfinished: ") + where;
            continue;
        }
        for (const QString &form : found->forms)
            if (signature(form) != signature(it->source))
                faults << QStringLiteral("placeholders or & differ: ") + where
                        + QStringLiteral(" -> ") + form;
    }
    EXPECT_TRUE(faults.isEmpty()) << faults.size() << " faults in " << path.toStdString() << ":\n"
                                  << faults.join(QLatin1Char('\n')).toStdString();
}

INSTANTIATE_TEST_SUITE_P(Shipped, TranslationFiles,
    ::testing::Values("de", "fr", "es", "ru", "zh_CN", "ja"),
    [](const ::testing::TestParamInfo<const char *> &info) {
        return std::string(info.param);
    });

} // namespace
