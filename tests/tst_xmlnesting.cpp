#include "testsupport.h"
#include "xmlnesting.h"

#include <QRandomGenerator>
#include <QXmlStreamReader>

namespace {
// The deepest nesting an XML reader meets before the document ends or its
// first fault stops it: what the glance must never understate.
int readerDepth(const QByteArray &document)
{
    QXmlStreamReader reader(document);
    int depth = 0;
    int deepest = 0;
    while (!reader.atEnd()) {
        const QXmlStreamReader::TokenType token = reader.readNext();
        if (token == QXmlStreamReader::StartElement)
            deepest = qMax(deepest, ++depth);
        else if (token == QXmlStreamReader::EndElement)
            --depth;
    }
    return deepest;
}

QByteArray nested(int depth, const QByteArray &open = "<a>", const QByteArray &close = "</a>")
{
    return open.repeated(depth) + close.repeated(depth);
}

// Pieces of markup that random documents are made of.
const QByteArray Pieces[] = {"<a>", "</a>", "<b x='1'>", "</b>", "<c/>", "<d y=\"/>\"/>", "text",
    "&lt;", "<!-- <a><a> -->", "<![CDATA[ <a><a> ]]>", "<?pi <a> ?>", "<e z=\"'>'\">", "</e>", ">",
    "\"", "'", "<", "/>", "<!--", "]]>", "?>", "\r\n"};
} // namespace

class TestXmlNesting : public QObject
{
    Q_OBJECT

private slots:
    void answers_data()
    {
        QTest::addColumn<QByteArray>("document");
        QTest::addColumn<int>("maxDepth");
        QTest::addColumn<bool>("surelyWithin");

        QTest::newRow("empty") << QByteArray() << 3 << true;
        QTest::newRow("at the limit") << nested(3) << 3 << true;
        QTest::newRow("one past the limit") << nested(4) << 3 << false;
        QTest::newRow("closing itself at the limit")
            << QByteArray("<a><a><a/></a></a>") << 2 << false;
        QTest::newRow("closing itself below the limit")
            << QByteArray("<a><a/><a/><a/></a>") << 2 << true;
        QTest::newRow("siblings do not add up")
            << QByteArray("<r>" + nested(3).repeated(50) + "</r>") << 4 << true;
        QTest::newRow("declaration and comments") << QByteArray(
            "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<!-- <a><a><a><a> -->" + nested(2)
            + "<!---->") << 2 << true;
        QTest::newRow("tags in character data")
            << QByteArray("<r><![CDATA[<a><a><a>]]></r>") << 1 << true;
        QTest::newRow("tags in a processing instruction")
            << QByteArray("<?pi <a><a><a>?><r/>") << 1 << true;
        QTest::newRow("markup characters in attribute values")
            << QByteArray("<r a=\"/>\" b='\">'><s c=\"'/>'\"/></r>") << 2 << true;
        QTest::newRow("deep after a comment that looks closed")
            << QByteArray("<!-- -- > --><r>" + nested(3) + "</r>") << 3 << false;
        QTest::newRow("document type declaration") << QByteArray("<!DOCTYPE r><r/>") << 3 << false;
        QTest::newRow("another encoding")
            << QByteArray("<?xml version='1.0' encoding='Shift_JIS'?><r/>") << 3 << false;
        QTest::newRow("ASCII") << QByteArray("<?xml version='1.0' encoding = 'us-ascii'?><r/>") << 3
                               << true;
        QTest::newRow("UTF-16") << QByteArray("<\0r\0/\0>\0", 8) << 3 << false;
        QTest::newRow("byte order mark")
            << QByteArray("\xEF\xBB\xBF<?xml version='1.0' encoding='utf-8'?><r/>") << 1 << true;
        QTest::newRow("unterminated comment") << QByteArray("<r><!-- <a><a>") << 1 << true;
        QTest::newRow("stray end tags do not make room")
            << QByteArray("</a></a></a>" + nested(4)) << 3 << false;
    }

    void answers()
    {
        QFETCH(QByteArray, document);
        QFETCH(int, maxDepth);
        QFETCH(bool, surelyWithin);
        QCOMPARE(nestsSurelyWithin(document, maxDepth), surelyWithin);
        if (surelyWithin)
            QVERIFY(readerDepth(document) <= maxDepth);
    }

    // Random documents, well-formed or not, truncated anywhere: whenever the
    // glance vouches for one, a reader finds it no deeper.
    void neverUnderstatesAReader()
    {
        QRandomGenerator random(20120202);
        int vouched = 0;
        for (int round = 0; round < 20000; ++round) {
            QByteArray document;
            const int pieces = random.bounded(1, 40);
            for (int i = 0; i < pieces; ++i)
                document += Pieces[random.bounded(int(std::size(Pieces)))];
            document.truncate(random.bounded(document.size() + 1));
            const int maxDepth = random.bounded(0, 5);
            if (nestsSurelyWithin(document, maxDepth)) {
                ++vouched;
                QVERIFY2(readerDepth(document) <= maxDepth, document.constData());
            }
        }
        QVERIFY(vouched > 1000); // the quick answer is the common one
    }
};

WATTLAN_TEST_MAIN(TestXmlNesting)
#include "tst_xmlnesting.moc"
