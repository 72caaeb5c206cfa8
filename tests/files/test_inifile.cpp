#include <sys/stat.h>

#include <gtest/gtest.h>

#include "files/inifile.h"
#include "support/testfolder.h"

using quorvel::IniFile;

TEST(IniFile, NamesAreComparedWithoutRegardToCase) {
    IniFile ini = IniFile::parse("[Bob.Settings]\nSkill=4\n[\xC3\x84rger.Settings]\nTheme=Ice\n");
    EXPECT_EQ(ini.readInteger("BOB.SETTINGS", "skill", 2), 4);
    EXPECT_EQ(ini.readString("\xC3\xA4rger.settings", "THEME", ""), "Ice"); // Ä and ä

    ini.writeInteger("bob.settings", "SKILL", 5);
    EXPECT_EQ(ini.text(), "[Bob.Settings]\nSkill=5\n[\xC3\x84rger.Settings]\nTheme=Ice\n");
}

TEST(IniFile, ALeadingByteOrderMarkIsPartOfAName) {
    const std::string mark = "\xEF\xBB\xBF";
    IniFile ini = IniFile::parse("[Players]\nBob=\n[Bob.Settings]\nSkill=4\n");
    ASSERT_TRUE(ini.writeString("Players", mark, "")); // a player named only the mark
    ASSERT_TRUE(ini.writeInteger(mark + "Bob.Settings", "Skill", 6));
    EXPECT_EQ(ini.text(), "[Players]\nBob=\n" + mark + "=\n[Bob.Settings]\nSkill=4\n\n[" + mark +
                              "Bob.Settings]\nSkill=6\n");
    const IniFile back = IniFile::parse(ini.text());
    EXPECT_EQ(back.keys("players"), (std::vector<std::string>{"Bob", mark}));
    EXPECT_EQ(back.readInteger(mark + "BOB.settings", "skill", 0), 6);
}

TEST(IniFile, MissingEntriesAndBadNumbersReadAsTheDefault) {
    const IniFile ini = IniFile::parse("[S]\n"
                                       "a= 12 \n"
                                       "b=-3\n"
                                       "c=+4\n"
                                       "d=abc\n"
                                       "e=12abc\n"
                                       "f=99999999999\n"
                                       "g=\n"
                                       "t=2\n"
                                       "z=0\n");
    EXPECT_EQ(ini.readInteger("S", "a", 7), 12);
    EXPECT_EQ(ini.readInteger("S", "b", 7), -3);
    EXPECT_EQ(ini.readInteger("S", "c", 7), 4);
    for (const char* key : {"d", "e", "f", "g", "missing"})
        EXPECT_EQ(ini.readInteger("S", key, 7), 7) << key;
    EXPECT_EQ(ini.readInteger("Other", "a", 7), 7);
    EXPECT_TRUE(ini.readBool("S", "t", false)); // any non-zero number
    EXPECT_FALSE(ini.readBool("S", "z", true));
    EXPECT_TRUE(ini.readBool("S", "d", true)); // not a number: the default
    EXPECT_FALSE(ini.readBool("S", "d", false));
    EXPECT_EQ(ini.readString("S", "missing", "def"), "def");
    EXPECT_EQ(ini.readString("S", "g", "def"), ""); // present but empty
}

TEST(IniFile, AWriteChangesOnlyItsKeyAndKeepsEverythingElse) {
    const std::string before = "; made by hand\n"
                               "[Settings]\n"
                               "Player=Ann   ; trailing text is part of the value\n"
                               "\n"
                               "# odd line kept\n"
                               "[Ann.Settings]\n"
                               "Skill=3\n"
                               "Theme=Ice\n"
                               "\n"
                               "[Players]\n"
                               "Ann=\n"
                               ";Cy=1, left\n";
    IniFile ini = IniFile::parse(before);
    ini.writeInteger("ann.settings", "skill", 6);    // existing key: only its line changes
    ini.writeString("Settings", "Last", "x");        // new key: after the last key of its section
    ini.writeString("Bob.Settings", "Theme", "Sea"); // new section: at the end
    ini.writeBool("Players", "Bob", false);
    EXPECT_EQ(ini.text(), "; made by hand\n"
                          "[Settings]\n"
                          "Player=Ann   ; trailing text is part of the value\n"
                          "Last=x\n"
                          "\n"
                          "# odd line kept\n"
                          "[Ann.Settings]\n"
                          "Skill=6\n"
                          "Theme=Ice\n"
                          "\n"
                          "[Players]\n"
                          "Ann=\n"
                          "Bob=0\n"
                          ";Cy=1, left\n"
                          "\n"
                          "[Bob.Settings]\n"
                          "Theme=Sea\n");
    EXPECT_EQ(ini.keys("PLAYERS"), (std::vector<std::string>{"Ann", "Bob"})); // no comment
    EXPECT_EQ(ini.sections(),
              (std::vector<std::string>{"Settings", "Ann.Settings", "Players", "Bob.Settings"}));
}

TEST(IniFile, FirstOfDuplicateEntriesCountsAndLineEndsAreKept) {
    IniFile ini = IniFile::parse("[A]\r\nk=1\r\nK=2\r\n[a]\r\nj=3\r\n");
    EXPECT_EQ(ini.readInteger("A", "k", 0), 1);
    EXPECT_FALSE(ini.hasKey("A", "j")); // the second [a] is never searched
    EXPECT_EQ(ini.keys("A"), (std::vector<std::string>{"k"}));
    ini.writeInteger("A", "k", 9);
    EXPECT_EQ(ini.text(), "[A]\r\nk=9\r\nK=2\r\n[a]\r\nj=3\r\n");

    // Classic Mac text ends its lines with a lone CR, and is written back so.
    ini = IniFile::parse("[Items]\rfood=bread\r[Credits]\rMusic=Ann");
    EXPECT_EQ(ini.readString("Items", "food", ""), "bread");
    EXPECT_EQ(ini.readString("Credits", "Music", ""), "Ann");
    ini.writeString("Items", "gem", "pearl");
    EXPECT_EQ(ini.text(), "[Items]\rfood=bread\rgem=pearl\r[Credits]\rMusic=Ann\r");
}

TEST(IniFile, AwkwardValuesAndNamesRoundTrip) {
    IniFile ini;
    const std::vector<std::string> values = {"",
                                             " padded ",
                                             "ends in a blank ",
                                             "\tbegins with a tab",
                                             "\"quoted\"",
                                             "'single'",
                                             "\"mixed'",
                                             "a=b=c",
                                             "; not a comment",
                                             "[not a section]",
                                             "Caf\xC3\xA9 \xE2\x82\xAC"};
    for (std::size_t i = 0; i < values.size(); ++i)
        ASSERT_TRUE(ini.writeString("V", "k" + std::to_string(i), values[i]));
    // A player named with "]" keeps its own sections apart from its neighbours'.
    ASSERT_TRUE(ini.writeInteger("A]B.Settings", "Skill", 5));
    ASSERT_TRUE(ini.writeInteger("A.Settings", "Skill", 1));

    const IniFile back = IniFile::parse(ini.text());
    for (std::size_t i = 0; i < values.size(); ++i)
        EXPECT_EQ(back.readString("V", "k" + std::to_string(i), "?"), values[i]) << i;
    EXPECT_EQ(back.readInteger("a]b.settings", "Skill", 0), 5);
    EXPECT_EQ(back.readInteger("A.Settings", "Skill", 0), 1);
    EXPECT_EQ(back.readString("V", "k0", "?"), "");
}

TEST(IniFile, NamesAndValuesThatWouldBreakTheFileAreRefused) {
    IniFile ini = IniFile::parse("[S]\nk=1\n");
    const std::string before = ini.text();
    EXPECT_FALSE(ini.writeString("Bob\n[Settings]", "Player", "x"));
    EXPECT_FALSE(ini.writeString("S", "k\r", "x"));
    EXPECT_FALSE(ini.writeString("S", "a=b", "x"));
    EXPECT_FALSE(ini.writeString("S", "[k", "x"));
    EXPECT_FALSE(ini.writeString("S", ";k", "x"));
    EXPECT_FALSE(ini.writeString("S", " k", "x"));
    EXPECT_FALSE(ini.writeString("", "k", "x"));
    EXPECT_FALSE(ini.writeString("S", "k", "line\nPlayer=evil"));
    EXPECT_FALSE(ini.writeString("S", "k", std::string("nul\0byte", 8)));
    EXPECT_EQ(ini.text(), before);
}

TEST(IniFile, ReadsWindowsCodePageWhenNotUtf8AndWritesUtf8) {
    quorvel::test::TestFolder folder;
    const std::string path = folder.home() + "old.ini";
    quorvel::test::putBytes(path, "[Caf\xE9]\nName=J\xFCrgen \x80\x9F\n"); // Windows-1252 bytes
    IniFile ini = IniFile::load(path);
    EXPECT_EQ(ini.readString("caf\xC3\xA9", "name", ""), "J\xC3\xBCrgen \xE2\x82\xAC\xC5\xB8");
    ASSERT_TRUE(ini.save(path));
    EXPECT_EQ(quorvel::test::fileBytes(path),
              "[Caf\xC3\xA9]\nName=J\xC3\xBCrgen \xE2\x82\xAC\xC5\xB8\n");

    // UTF-8 with a byte-order mark reads as UTF-8, and a mark an editor added again is no
    // part of the first line; overlong forms are not UTF-8.
    EXPECT_EQ(IniFile::parse("\xEF\xBB\xBF[S]\nk=\xC3\xA9\n").readString("S", "k", ""), "\xC3\xA9");
    EXPECT_EQ(IniFile::parse("\xEF\xBB\xBF\xEF\xBB\xBF[S]\nk=1\n").text(), "[S]\nk=1\n");
    EXPECT_EQ(IniFile::parse("[S]\nk=\xC0\xAF\n").readString("S", "k", ""), "\xC3\x80\xC2\xAF");
}

TEST(IniFile, NotepadUnicodeFilesReadAndAreWrittenBackAsUtf8) {
    quorvel::test::TestFolder folder;
    const std::string path = folder.home() + "notepad.ini";
    const std::u16string text = u"[\u00C5sa.Settings]\r\nSkill=4\r\n";
    std::string le("\xFF\xFE");
    for (char16_t c : text) {
        le += static_cast<char>(c & 0xFF);
        le += static_cast<char>(c >> 8);
    }
    quorvel::test::putBytes(path, le);
    IniFile ini = IniFile::load(path);
    EXPECT_EQ(ini.readInteger("\xC3\x85sa.settings", "skill", 0), 4);
    ini.writeInteger("\xC3\x85sa.Settings", "Skill", 5);
    ASSERT_TRUE(ini.save(path));
    EXPECT_EQ(quorvel::test::fileBytes(path), "[\xC3\x85sa.Settings]\r\nSkill=5\r\n");
}

TEST(IniFile, MissingDamagedOrStrangeFilesReadAsEmpty) {
    quorvel::test::TestFolder folder;
    EXPECT_TRUE(IniFile::load(folder.home() + "none.ini").sections().empty());
    EXPECT_TRUE(IniFile::load(folder.home()).sections().empty()); // a folder
    quorvel::test::putBytes(folder.home() + "junk.ini",
                            std::string("\0\xFF[\n=\n]]]\n[\n\0=\0", 15));
    const IniFile junk = IniFile::load(folder.home() + "junk.ini");
    EXPECT_EQ(junk.readInteger("x", "y", 3), 3);
    const std::string fifo = folder.home() + "pipe.ini";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_TRUE(IniFile::load(fifo).sections().empty()); // does not block
}

TEST(IniFile, SaveWritesWholeFilesOrNothing) {
    quorvel::test::TestFolder folder;
    const std::string path = folder.home() + "s.ini";
    IniFile ini;
    ini.writeString("S", "k", "v");
    ASSERT_TRUE(ini.save(path));
    EXPECT_EQ(quorvel::test::fileBytes(path), "[S]\nk=v\n");
    EXPECT_EQ(IniFile::load(path).readString("s", "K", ""), "v");
    EXPECT_FALSE(ini.save(folder.home() + "no such folder/s.ini"));
    EXPECT_FALSE(ini.save(folder.home())); // a folder in the way
    // No temporary file is left behind.
    EXPECT_EQ(
        QDir(QString::fromStdString(folder.home())).entryList(QDir::Files | QDir::Hidden).size(),
        1);
}
