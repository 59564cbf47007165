#include "xml/TXmlDom.h"
#include "support/ScenarioFixture.h"
#include "xml/FileText.h"

#include <gtest/gtest.h>

#include <fstream>

namespace {

std::string Written(const std::string& source) {
    TXmlDom dom;
    EXPECT_TRUE(dom.Parse(source)) << dom.LastError().ToString();
    return dom.ToText();
}

} // namespace

TEST(TXmlDom, ReaderKeepsTextBeforeTheFirstChildOnly) {
    TXmlDom dom;
    ASSERT_TRUE(dom.Parse("<a>  x <b>y</b> z</a>"));
    EXPECT_EQ(dom.Root()->Text, "  x ");
    ASSERT_EQ(dom.Root()->ChildCount(), 1);
    EXPECT_EQ(dom.Root()->GetChild("b")->Text, "y");
    EXPECT_EQ(dom.ToText(), "<a>\r\n   <b>y</b>\r\n</a>\r\n");
}

TEST(TXmlDom, WriterLayoutIsExact) {
    TXmlNode root;
    root.Name = "parties";
    TXmlNode* party = root.AddNewChild("party");
    party->SetAttribute("id", "3");
    party->AddNewChild("name", "Blue");
    TXmlDom dom;
    dom.SetRoot(&root);
    EXPECT_EQ(dom.ToText(), "<parties>\r\n   <party id=\"3\">\r\n      <name>Blue</name>\r\n   "
                            "</party>\r\n</parties>\r\n");
    // Empty leaves are never self-closing; emptied containers stay blocks.
    ASSERT_TRUE(dom.Parse("<r><list><i/></list><leaf/></r>"));
    dom.Root()->GetChild("list")->RemoveChild(dom.Root()->GetChild("list")->GetChild("i"));
    EXPECT_EQ(dom.ToText(), "<r>\r\n   <list>\r\n   </list>\r\n   <leaf></leaf>\r\n</r>\r\n");
    TXmlDom empty;
    EXPECT_EQ(empty.ToText(), "");
}

TEST(TXmlDom, TextIsJoinedTrimmedAndWrittenWithNumericReferences) {
    EXPECT_EQ(Written("<n>one\r\ntwo</n>"), "<n>onetwo</n>\r\n");
    EXPECT_EQ(Written("<n>Tom &amp; Jerry</n>"), "<n>Tom &#38; Jerry</n>\r\n");
    EXPECT_EQ(Written("<n>  padded  </n>"), "<n>padded</n>\r\n");
    EXPECT_EQ(Written("<n>caf\xC3\xA9 &#8364;</n>"), "<n>caf&#233; &#8364;</n>\r\n");
    TXmlDom dom;
    ASSERT_TRUE(dom.Parse("<n>  padded  </n>"));
    EXPECT_EQ(dom.Root()->GetText(), "  padded  ");
    // Comments, declarations and processing instructions are not kept.
    EXPECT_EQ(Written("<?xml version=\"1.0\"?><!-- c --><r><?pi x?><a>1</a></r>"),
              "<r>\r\n   <a>1</a>\r\n</r>\r\n");
}

TEST(TXmlDom, AttributesKeepOrderAndAreEscapedOnWrite) {
    TXmlDom dom;
    ASSERT_TRUE(dom.Parse("<n a=\"1\" b=\"x &amp; y\"/>"));
    EXPECT_EQ(dom.Root()->GetAttribute("b")->Value, "x & y");
    EXPECT_EQ(dom.ToText(), "<n a=\"1\" b=\"x &amp; y\"></n>\r\n");
    dom.Root()->SetAttribute("c", "say \"<hi>\"\tnow");
    const std::string text = dom.ToText();
    TXmlDom again;
    ASSERT_TRUE(again.Parse(text)) << text;
    EXPECT_EQ(again.Root()->GetAttribute("c")->Value, "say \"<hi>\"\tnow");
    EXPECT_EQ(again.ToText(), text);
}

TEST(TXmlDom, ParseErrorsAreReportedWithPlace) {
    TXmlDom dom;
    EXPECT_FALSE(dom.Parse("<a>\r\n<b></a>"));
    EXPECT_EQ(dom.LastError().Line, 2);
    EXPECT_GT(dom.LastError().Column, 0);
    EXPECT_FALSE(dom.LastError().Reason.empty());
    // A root that is never closed is an error, not a silently short tree.
    EXPECT_FALSE(dom.Parse("<a><b>x</b>"));
    EXPECT_FALSE(dom.Parse(""));
    EXPECT_TRUE(dom.Parse("<a/>"));
}

TEST(TXmlDom, NestingBeyondTheLimitIsRefused) {
    std::string deep;
    for (int i = 0; i < TXmlDom::MaxDepth + 1; ++i)
        deep += "<d>";
    for (int i = 0; i < TXmlDom::MaxDepth + 1; ++i)
        deep += "</d>";
    TXmlDom dom;
    EXPECT_FALSE(dom.Parse(deep));
    EXPECT_NE(dom.LastError().Reason.find("nested"), std::string::npos);
    EXPECT_TRUE(dom.Parse(deep.substr(3, deep.size() - 7)));
}

TEST(TXmlDom, LoadingFilesHandlesLineBreaksLatin1AndMissingFiles) {
    TTemporaryFolder folder;
    const auto path = folder.Path() / "a.xml";
    TestScenario::WriteFile(path, "<a>\r<b>one\ntwo</b>\n</a>");
    TXmlDom dom;
    ASSERT_TRUE(dom.LoadFromFile(path.string()));
    EXPECT_EQ(dom.Root()->GetChild("b")->GetText(), "onetwo");
    // An older file with a Latin-1 byte and no declaration still loads.
    TestScenario::WriteFile(path, "<a>Jos\xE9</a>");
    ASSERT_TRUE(dom.LoadFromFile(path.string()));
    EXPECT_EQ(dom.Root()->Text, "Jos&#233;");
    TestScenario::WriteFile(path, "<a>\n<b>\n</a>");
    EXPECT_FALSE(dom.LoadFromFile(path.string()));
    EXPECT_EQ(dom.LastError().FileName, path.string());
    EXPECT_EQ(dom.LastError().Line, 3);
    EXPECT_THROW(dom.LoadFromFile((folder.Path() / "missing.xml").string()), TFileError);
}

TEST(TXmlDom, SaveReplacesTheFileAndFailsCleanly) {
    TTemporaryFolder folder;
    const auto path = folder.Path() / "out.xml";
    TestScenario::WriteFile(path, "old content that is much longer than the new one");
    TXmlDom dom;
    ASSERT_TRUE(dom.Parse("<a>1</a>"));
    dom.SaveToFile(path.string());
    EXPECT_EQ(FileText::Read(path.string()), "<a>1</a>\r\n");
    EXPECT_THROW(dom.SaveToFile((folder.Path() / "no" / "such" / "x.xml").string()), TFileError);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()),
                            std::filesystem::directory_iterator()),
              1);
}

TEST(TXmlDom, InvalidNamesAreRefusedAndNothingIsWritten) {
    TTemporaryFolder folder;
    const auto path = folder.Path() / "events.xml";
    TestScenario::WriteFile(path, "<events></events>\r\n");
    TXmlDom dom;
    ASSERT_TRUE(dom.Parse("<events><scripted_events><event id=\"e1\"><effects/></event>"
                          "<event id=\"e2\"><effects/></event></scripted_events></events>"));
    TXmlNode* effects = dom.Root()->GetChild("scripted_events")->GetChildAt(1)->GetChild("effects");
    TXmlNode* empty = effects->AddNewChild("", "3");
    const std::string error = TestScenario::FileErrorText([&] { dom.SaveToFile(path.string()); });
    EXPECT_NE(error.find("element with an empty name in /events/scripted_events/event[2]/effects"),
              std::string::npos)
        << error;
    EXPECT_EQ(FileText::Read(path.string()), "<events></events>\r\n");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()),
                            std::filesystem::directory_iterator()),
              1);

    for (const char* bad : {"1st", "two words", "a<b", "-x", "a\"b"}) {
        empty->Name = bad;
        EXPECT_THROW(dom.ToText(), TFileError) << bad;
    }
    empty->Name = "momentum";
    effects->SetAttribute("", "x");
    EXPECT_THROW(dom.ToText(), TFileError);
    effects->RemoveAttributeAt(0);

    // Names in other scripts, and the usual punctuation, are fine.
    empty->Name = "caf\xC3\xA9_x-1.y:z";
    EXPECT_EQ(Written(dom.ToText()), dom.ToText());
}

TEST(TXmlDom, EveryKindOfLineEndCountsAsOneLine) {
    TTemporaryFolder folder;
    const auto path = folder.Path() / "a.xml";
    // CR, CR LF, LF and LF CR: the error is on the fifth line.
    TestScenario::WriteFile(path, "<a>\r\r\n<b>\n\r</a>");
    TXmlDom dom;
    EXPECT_FALSE(dom.LoadFromFile(path.string()));
    EXPECT_EQ(dom.LastError().Line, 5);
    TestScenario::WriteFile(path, "<a x=\"1\r\n2\r3\n4\">\r\n<b>one</b>\r</a>");
    ASSERT_TRUE(dom.LoadFromFile(path.string()));
    EXPECT_EQ(dom.Root()->AttributeValue("x"), "1 2 3 4");
    EXPECT_EQ(dom.ToText(), "<a x=\"1 2 3 4\">\r\n   <b>one</b>\r\n</a>\r\n");
}

TEST(TXmlDom, TextIsEncodedWholeAcrossLongPlainRuns) {
    // Non-ASCII and escaped characters after runs longer than eight bytes,
    // and a file whose only stray byte comes after a long ASCII run.
    EXPECT_EQ(Written("<n>abcdefghijklmnop\xC3\xA9qrstuvwxyz012345&lt;\xE2\x82\xAC</n>"),
              "<n>abcdefghijklmnop&#233;qrstuvwxyz012345&#60;&#8364;</n>\r\n");
    TTemporaryFolder folder;
    const auto path = folder.Path() / "a.xml";
    TestScenario::WriteFile(path, "<a>abcdefghijklmnopqrstuvwxyz abcdefgh\xE9</a>");
    TXmlDom dom;
    ASSERT_TRUE(dom.LoadFromFile(path.string()));
    EXPECT_EQ(dom.Root()->Text, "abcdefghijklmnopqrstuvwxyz abcdefgh&#233;");
}

namespace {

std::string Utf16(const std::u16string& text, bool bigEndian) {
    std::string bytes = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
    for (char16_t unit : text) {
        const char high = static_cast<char>(unit >> 8), low = static_cast<char>(unit & 0xFF);
        bytes += bigEndian ? high : low;
        bytes += bigEndian ? low : high;
    }
    return bytes;
}

std::string Loaded(const std::string& bytes) {
    TXmlDom dom;
    EXPECT_TRUE(dom.LoadFromBytes(bytes)) << dom.LastError().ToString();
    return dom.ToText();
}

} // namespace

TEST(TXmlDom, Utf16InEitherByteOrderUtf8WithAMarkAndWindows1252Load) {
    // LF line ends inside the 16-bit text: joining them must not split a
    // character. U+1F600 needs a surrogate pair.
    const std::u16string text =
        u"<?xml version=\"1.0\" encoding=\"UTF-16\"?>\n"
        u"<issue id=\"\u00e9\">\n<name>Caf\u00e9 \U0001F600</name>\n</issue>\n";
    const std::string expected =
        "<issue id=\"\xC3\xA9\">\r\n   <name>Caf&#233; &#128512;</name>\r\n</issue>\r\n";
    EXPECT_EQ(Loaded(Utf16(text, false)), expected);
    EXPECT_EQ(Loaded(Utf16(text, true)), expected);
    // Without a mark the declaration's "<?" tells the byte order.
    EXPECT_EQ(Loaded(Utf16(text, false).substr(2)), expected);
    EXPECT_EQ(Loaded("\xEF\xBB\xBF<name>Caf\xC3\xA9</name>\n"), "<name>Caf&#233;</name>\r\n");
    EXPECT_EQ(Loaded("<?xml version=\"1.0\" encoding=\"windows-1252\"?>\r\n<a>\x80 \xE9</a>"),
              "<a>&#8364; &#233;</a>\r\n");

    // Cut in the middle of a character, or a lone half of a pair: an error
    // with a place, never a crash.
    for (const std::string& broken :
         {Utf16(u"<a>x</a>", false).substr(0, 7), Utf16(u"<a>\xD800</a>", true)}) {
        TXmlDom dom;
        EXPECT_FALSE(dom.LoadFromBytes(broken));
        EXPECT_FALSE(dom.LastError().Reason.empty());
    }
}

TEST(TXmlDom, AnElementWithVeryManyAttributesLoadsWholeAndInOrder) {
    constexpr int Count = 100000;
    std::string text = "<a";
    for (int i = 0; i < Count; ++i)
        text += " n" + std::to_string(i) + "=\"" + std::to_string(i) + "\"";
    text += "/>";
    TXmlDom dom;
    ASSERT_TRUE(dom.LoadFromBytes(text));
    ASSERT_EQ(dom.Root()->AttributeCount(), Count);
    EXPECT_EQ(dom.Root()->GetAttributeAt(Count - 1)->Name, "n99999");
    EXPECT_EQ(dom.Root()->GetAttributeAt(Count - 1)->Index, Count - 1);
    EXPECT_EQ(dom.Root()->AttributeValue("n51234"), "51234");
}
