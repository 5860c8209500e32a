#include "Model/Persistence/CellStateText.h"
#include "Model/Automaton/Voxel.h"
#include "Model/Persistence/PlainStateTexts.h"

#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <random>
#include <string>

using Model::Automaton::Voxel;
using Model::Persistence::CellStateParser;
using Model::Persistence::CellStateText;
using Model::Persistence::MaterialIdMap;
using Model::Persistence::PlainStateTexts;

namespace {

// Parses `text` handed over in pieces cut at `cuts`, as the XML reader's characters and as the
// file's bytes; both must give the same ids.
std::vector<uint32_t> parse(const QString &text, size_t cells, const MaterialIdMap *remap,
                            std::vector<int> cuts = {})
{
    cuts.push_back(text.size());
    const QByteArray bytes = text.toLatin1();
    std::vector<uint32_t> results[2];
    for (int asBytes = 0; asBytes < 2; ++asBytes) {
        std::vector<Voxel> voxels(cells);
        for (Voxel &voxel : voxels)
            voxel.materialId = 99;
        CellStateParser parser(voxels.data(), cells, remap);
        int from = 0;
        for (int cut : cuts) {
            if (asBytes)
                parser.feed(bytes.constData() + from, bytes.constData() + cut);
            else
                parser.feed(text.constData() + from, text.constData() + cut);
            from = cut;
        }
        parser.finish();
        for (size_t i = 0; i < parser.cellsWritten(); ++i)
            results[asBytes].push_back(voxels[i].materialId);
    }
    EXPECT_EQ(results[0], results[1]) << text.toStdString();
    return results[0];
}

QString randomStateText(std::mt19937 &random)
{
    const char *const tokens[] = {"0",          "1", "3",  "16",  "2500", "4294967295",
                                  "4294967296", "x", "1a", "007", ""};
    const char *const blanks[] = {" ", "  ", "\n", "\t"};
    QString text;
    const int count = int(random() % 12);
    for (int i = 0; i < count; ++i) {
        text += QLatin1String(tokens[random() % 11]);
        text += QLatin1String(blanks[random() % 4]);
    }
    if (random() % 2)
        text += QLatin1String(tokens[random() % 10]);
    return text;
}

} // namespace

TEST(CellStateText, WrittenTextParsesBackWithAndWithoutRemap)
{
    const std::vector<uint32_t> ids = {0, 0, 1, 1, 1, 16, 4294967295u, 3, 3, 0};
    QByteArray bytes;
    CellStateText::append(bytes, ids.data(), ids.data() + ids.size(), nullptr);
    EXPECT_EQ(bytes, QByteArray("0 0 1 1 1 16 4294967295 3 3 0 "));
    EXPECT_EQ(parse(QString::fromLatin1(bytes), ids.size(), nullptr), ids);

    const MaterialIdMap remap = {{1, 7}, {3, 3}};
    bytes.clear();
    CellStateText::append(bytes, ids.data(), ids.data() + ids.size(), &remap);
    EXPECT_EQ(bytes, QByteArray("0 0 7 7 7 16 4294967295 3 3 0 "));
    EXPECT_EQ(parse(QString::fromLatin1(bytes), ids.size(), &remap),
              (std::vector<uint32_t>{0, 0, 7, 7, 7, 16, 4294967295u, 3, 3, 0}));
}

TEST(CellStateText, PiecesCutAnywhereParseLikeTheWholeText)
{
    std::mt19937 random(42);
    const MaterialIdMap identity = {{1, 1}, {3, 3}};
    const MaterialIdMap remap = {{1, 5}, {16, 2}};
    for (int round = 0; round < 300; ++round) {
        const QString text = randomStateText(random);
        const size_t cells = random() % 8;
        for (const MaterialIdMap *map : {static_cast<const MaterialIdMap *>(nullptr), &identity, &remap}) {
            const auto whole = parse(text, cells, map);
            for (int cut = 0; cut <= text.size(); ++cut)
                ASSERT_EQ(parse(text, cells, map, {cut}), whole) << text.toStdString() << " cut " << cut;
            const int a = int(random() % uint32_t(text.size() + 1));
            const int b = a + int(random() % uint32_t(text.size() - a + 1));
            ASSERT_EQ(parse(text, cells, map, {a, b}), whole) << text.toStdString();
        }
    }
}

TEST(CellStateText, EachNumberReadsByTheRulesAndNumbersBeyondTheCellsAreDropped)
{
    const MaterialIdMap remap = {{3, 30}};
    EXPECT_EQ(parse(QStringLiteral("3 007 1a x 4294967296 99999999999999999999 -1 4294967295 5"), 8, &remap),
              (std::vector<uint32_t>{30, 7, 0, 0, 0, 0, 0, 4294967295u}));
}

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
