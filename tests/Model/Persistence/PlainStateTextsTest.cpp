#include "Model/Persistence/PlainStateTexts.h"

#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <string>

using Model::Persistence::PlainStateTexts;

namespace {

// The State texts as the XML reader meets them in the remainder: taken-out text or "-".
std::vector<std::string> stateTexts(const PlainStateTexts &texts)
{
    std::vector<std::string> found;
    QXmlStreamReader reader(texts.remainder());
    while (!reader.atEnd()) {
        if (reader.readNext() != QXmlStreamReader::StartElement || reader.name() != QLatin1String("State"))
            continue;
        const PlainStateTexts::Text *text = texts.textAt(reader.characterOffset());
        found.push_back(text ? std::string(text->begin, text->end) : "-");
    }
    EXPECT_FALSE(reader.hasError()) << reader.errorString().toStdString();
    return found;
}

bool extract(PlainStateTexts &texts, const QByteArray &document)
{
    return texts.extract(document.constData(), size_t(document.size()));
}

} // namespace

TEST(PlainStateTexts, TakesOutPlainStateTextsAndFindsEachWhereTheXmlReaderIs)
{
    const QByteArray document =
        "<?xml version=\"1.0\" encoding=\"utf-8\"?><D><M name=\"\xc3\xa9\xf0\x9f\x98\x80&amp;\"/>"
        "<!-- <State>9</State> --><State a='>'>1 2\n3</State><x:State xmlns:x=\"u\">4\t5</x:State>"
        "<State>6 &#55;</State><State/><State></State><![CDATA[<State>8</State>]]><State>9</State></D>";
    PlainStateTexts texts;
    ASSERT_TRUE(extract(texts, document));
    EXPECT_EQ(stateTexts(texts), (std::vector<std::string>{"1 2\n3", "4\t5", "-", "-", "", "9"}));
    EXPECT_EQ(texts.remainder().size(), document.size() - 9);
    EXPECT_TRUE(texts.remainder().contains("6 &#55;"));
}

TEST(PlainStateTexts, LeavesDocumentsItCannotReadAsTheXmlReaderWould)
{
    const QByteArray body = "<D><State>1 2</State></D>";
    PlainStateTexts texts;
    EXPECT_TRUE(extract(texts, body));
    for (const QByteArray &document :
         {QByteArray("<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>") + body, "\xef\xbb\xbf" + body,
          QByteArray("<!DOCTYPE D [<!ENTITY e \"1\">]>") + body, "<D a=\"\r\">" + body + "</D>",
          "<D a=\"\xc3\">" + body + "</D>", "<D a=\"\xed\xa0\x80\">" + body + "</D>"}) {
        EXPECT_FALSE(extract(texts, document)) << document.toStdString();
        EXPECT_TRUE(texts.remainder().isEmpty());
    }
}
