#include "lens/errors.h"
#include "ui/qt/qt_words.h"

#include <QTest>
#include <QTranslator>

using namespace corvane;

namespace {

// A language that words things in its own order: the catalogue's texts by
// their English source, in the catalogue's context only.
class ReorderingTranslator : public QTranslator {
public:
    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* source, const char* /*disambiguation*/, int /*n*/) const override
    {
        if (QLatin1String(context) != QLatin1String(kWordsContext))
            return {};
        const QString text = QString::fromUtf8(source);
        if (text == QLatin1String("The order for %1 (%2) did not come out: %3"))
            return QStringLiteral("%3 \u2013 Auftrag %2 von %1");
        if (text == QLatin1String("the printer %1 is stopped."))
            return QStringLiteral("Drucker %1 angehalten");
        if (text == QLatin1String("Error %1\r\n%2"))
            return QStringLiteral("Fehler %1\r\n%2");
        return {};
    }
};

} // namespace

// The windows' words go through Qt's translation: each text of the
// catalogue, then its values, in the places the translation gives them.
class WordsQtTest : public QObject {
    Q_OBJECT
private slots:
    void translatedWithValuesInTheirPlaces()
    {
        ReorderingTranslator translator;
        QVERIFY(QCoreApplication::installTranslator(&translator));
        const Words lost{Say::LostForNumbered, {"50%1 Ltd", "P-7", Words{Say::PrinterStopped, {"PDF"}}}};
        QCOMPARE(Tr(ErrorMessage(RuntimeError(482, lost))),
                 QStringLiteral("Fehler 482\r\nDrucker PDF angehalten \u2013 Auftrag P-7 von 50%1 Ltd"));
        // A text the language lacks stays English.
        QCOMPARE(Tr(Say::NoDefaultPrinter), QStringLiteral("no default printer is set up."));
        QVERIFY(QCoreApplication::removeTranslator(&translator));
        QCOMPARE(Tr(lost), QString::fromStdString(English(lost)));
    }
};

QTEST_MAIN(WordsQtTest)
#include "words_qt_test.moc"
