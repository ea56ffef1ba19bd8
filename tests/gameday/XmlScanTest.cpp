#include "gameday/XmlScan.h"

#include <gtest/gtest.h>

namespace quillbat {
namespace {

TEST(XmlScanTest, LineAttributeByOccurrence) {
    std::string text(
        "<game VENUE=\"Park\" venue=\"Other\"\n"
        "  s_era=\"9.99\" xera=\"8.88\"\n"
        "  era=\"1.00\" era=\"2.00\"\n"
        "  era=\"3.00\"\n"
        "  era=broken\n"
        "  wins=\"unclosed\n");
    EXPECT_EQ(ScanLineAttribute(text, "venue", 1), "Park");
    EXPECT_EQ(ScanLineAttribute(text, "venue", 2), "");  // a line counts once
    EXPECT_EQ(ScanLineAttribute(text, "era", 1), "1.00");
    EXPECT_EQ(ScanLineAttribute(text, "era", 2), "3.00");
    EXPECT_EQ(ScanLineAttribute(text, "wins", 1), "");
    EXPECT_EQ(ScanLineAttribute("", "era", 1), "");
}

TEST(XmlScanTest, AttributeByCountOfEveryMatch) {
    std::string text = "<a AVG=\".300\" xavg=\".200\"/><b avg=\".100\"/><c avg=unquoted";
    EXPECT_EQ(GetXmlAttribute(text, "avg", 1), ".300");
    EXPECT_EQ(GetXmlAttribute(text, "avg", 2), ".200");  // the end of a longer name counts too
    EXPECT_EQ(GetXmlAttribute(text, "avg", 3), ".100");
    EXPECT_EQ(GetXmlAttribute(text, "avg", 4), "");
    EXPECT_EQ(GetXmlAttribute(text, "avg", 0), "");
}

TEST(XmlScanTest, DecodesReferences) {
    EXPECT_EQ(DecodeXmlText("a &lt;b&gt; &quot;c&quot; &apos;d&apos; &amp;amp;"), "a <b> \"c\" 'd' &amp;");
    EXPECT_EQ(DecodeXmlText("&#233;&#xE9;&#x1F600;"), "\xC3\xA9\xC3\xA9\xF0\x9F\x98\x80");
    EXPECT_EQ(DecodeXmlText("&nbsp; &#; &#xZZ; & alone &#0;"), "&nbsp; &#; &#xZZ; & alone &#0;");
}

}  // namespace
}  // namespace quillbat
