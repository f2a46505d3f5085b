#include "core/tree/links.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace oxlin::tree {
namespace {

QStringList linksIn(const QString& text) {
    QStringList found;
    for (const LinkSpan& span : findLinks(text))
        found << text.mid(span.start, span.length);
    return found;
}

TEST(Links, EscapingKeepsAPathOneWordAndComesBackWhole) {
    EXPECT_EQ(fileLinkText("C:\\My Docs\\a b.txt"), "file://C:\\My%20Docs\\a%20b.txt");
    EXPECT_EQ(escapeLinkPath("tab\there"), "tab%09here");
    EXPECT_EQ(escapeLinkPath(QString::fromUtf8("/home/ü/ä.txt")), "/home/%c3%bc/%c3%a4.txt");
    EXPECT_EQ(topicLinkText(QString::fromUtf8("Projekte\\Plan für 2027.txt")),
              "file://$CurrentBook$\\Projekte\\Plan%20f%c3%bcr%202027.txt");

    const UnescapedLink plain = unescapeLinkText("file://C:\\nothing.txt");
    EXPECT_FALSE(plain.wasEscaped);
    EXPECT_EQ(plain.text, "file://C:\\nothing.txt");
    // Upper-case hex, a stray "%", and bytes written on Windows (0xE4 = "ä").
    EXPECT_EQ(unescapeLinkText("a%2Fb%zz%4").text, "a/b%zz%4");
    // An escape that ends the text is decoded like any other.
    EXPECT_EQ(unescapeLinkText("/srv/Caf%C3%A9").text, QString::fromUtf8("/srv/Café"));
    EXPECT_EQ(unescapeLinkText("/tmp/trailing%20").text, "/tmp/trailing ");
    EXPECT_EQ(unescapeLinkText("%41").text, "A");
    EXPECT_EQ(parseLink("file:///srv/Caf%c3%a9").fileName, QString::fromUtf8("Café"));
    EXPECT_EQ(unescapeLinkText("C:\\M%e4rz%20Plan.txt").text, QString::fromUtf8("C:\\März Plan.txt"));
    const QString nonAscii = QString::fromUtf8("/tmp/日本 語.txt");
    EXPECT_EQ(unescapeLinkText(escapeLinkPath(nonAscii)).text, nonAscii);
}

TEST(Links, KindsFollowThePrefixesWithoutRegardToCase) {
    const ParsedLink topic = parseLink("FILE://$currentbook$\\Projects\\Plan%20A.TXT");
    EXPECT_EQ(topic.kind, LinkKind::Topic);
    EXPECT_EQ(topic.target, "Projects\\Plan A.TXT");

    const ParsedLink windows = parseLink("file://C:\\My%20Docs\\a%20b.txt");
    EXPECT_EQ(windows.kind, LinkKind::File);
    EXPECT_EQ(windows.folder, "C:\\My Docs");
    EXPECT_EQ(windows.fileName, "a b.txt");
    const ParsedLink here = parseLink("file:///home/me/notes/a.txt");
    EXPECT_EQ(here.folder, "/home/me/notes");
    EXPECT_EQ(here.fileName, "a.txt");
    EXPECT_EQ(parseLink("file:///a.txt").folder, "/");

    const QString web = "https://example.org/?q=\"; touch /tmp/x;\"";
    EXPECT_EQ(parseLink(web).kind, LinkKind::Web);
    EXPECT_EQ(parseLink(web).target, web); // handed on unchanged, never to a shell
    EXPECT_EQ(parseLink("").kind, LinkKind::None);

    EXPECT_FALSE(parseLink("file://" + QString(4000, 'a')).tooLong);
    EXPECT_TRUE(parseLink("file://" + QString(4097, 'a')).tooLong);
}

TEST(Links, DetectionFindsWhatAReaderSeesAsALink) {
    EXPECT_EQ(linksIn("see www.example.org, then http://a.b/c?d=1."),
              QStringList({"www.example.org", "http://a.b/c?d=1"}));
    EXPECT_EQ(linksIn("(mailto:me@x.org) and FTP://host/f"),
              QStringList({"mailto:me@x.org", "FTP://host/f"}));
    EXPECT_EQ(linksIn("file://C:\\My%20Docs\\a%20b.txt\tfile://$CurrentBook$\\A\\B.txt"),
              QStringList({"file://C:\\My%20Docs\\a%20b.txt", "file://$CurrentBook$\\A\\B.txt"}));
    EXPECT_EQ(linksIn("https://en.wikipedia.org/wiki/Oxlin_(plant)"),
              QStringList({"https://en.wikipedia.org/wiki/Oxlin_(plant)"}));
    EXPECT_EQ(linksIn("xhttp://no www. http:// wwwexample"), QStringList());
    // Every start in any letter case, among words sharing its first letters.
    EXPECT_EQ(linksIn("fish File://a hat HtTpS://b.c matte MAILTO:d@e what WwW.f.g ftpx://h Ftp://i"),
              QStringList({"File://a", "HtTpS://b.c", "MAILTO:d@e", "WwW.f.g", "Ftp://i"}));
    // Letters beyond ASCII: neither a link's letter nor a word's start.
    EXPECT_EQ(linksIn(QString::fromUtf8("fü hé ähttp://x ＨTTP://y mé www.ü.de")),
              QStringList({QString::fromUtf8("www.ü.de")}));
}

TEST(Links, ProgramsAreToldFromDocuments) {
    QTemporaryDir dir;
    const QString script = QDir(dir.path()).filePath("run-me");
    QFile file(script);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("#!/bin/sh\n");
    file.close();
    EXPECT_FALSE(isProgramFile(script));
    file.setPermissions(file.permissions() | QFileDevice::ExeOwner);
    EXPECT_TRUE(isProgramFile(script));
    EXPECT_TRUE(isProgramFile("C:\\Downloads\\setup.EXE"));
    EXPECT_TRUE(isProgramFile("/tmp/launcher.desktop"));
    EXPECT_FALSE(isProgramFile("/tmp/report.pdf"));
}

} // namespace
} // namespace oxlin::tree
