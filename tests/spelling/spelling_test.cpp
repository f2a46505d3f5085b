// Spelling against small dictionaries of our own, in UTF-8 and ISO-8859-1,
// so the tests do not depend on what the system has installed.
#include "spelling/dictionaries.h"
#include "spelling/personal_words.h"
#include "spelling/speller.h"
#include "spelling/word_scan.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace oxlin::spelling;

namespace {

const QString kData = QStringLiteral(OXLIN_TEST_DATA_DIR);

DictionaryInfo dictionary(const QString& name) {
    return {name, kData + "/" + name + ".aff", kData + "/" + name + ".dic"};
}

std::unique_ptr<Speller> loaded(const QString& name, const PersonalWords* personal = nullptr) {
    QString error;
    auto speller = Speller::load(dictionary(name), personal, &error);
    EXPECT_TRUE(speller) << error.toStdString();
    return speller;
}

QStringList texts(QStringView text, const std::vector<WordSpan>& spans) {
    QStringList words;
    for (const WordSpan& span : spans)
        words << text.sliced(span.start, span.length).toString();
    return words;
}

bool write(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace

TEST(SpellerTest, WordsAreCheckedInTheDictionarysOwnEncoding) {
    const auto german = loaded("de_DE"); // ISO-8859-1
    EXPECT_TRUE(german->isCorrect(QString::fromUtf8("Mädchen")));
    EXPECT_TRUE(german->isCorrect(QString::fromUtf8("schön")));
    EXPECT_FALSE(german->isCorrect("Madchen"));
    EXPECT_TRUE(german->suggestions("Madchen").contains(QString::fromUtf8("Mädchen")));
    // Letters the dictionary has no place for are not its to judge.
    EXPECT_TRUE(german->isCorrect(QString::fromUtf8("笔记")));

    const auto french = loaded("fr_FR"); // UTF-8
    EXPECT_TRUE(french->isCorrect(QString::fromUtf8("été")));
    EXPECT_FALSE(french->isCorrect("ete"));
    EXPECT_TRUE(french->suggestions("cafe").contains(QString::fromUtf8("café")));
}

TEST(SpellerTest, PersonalAndIgnoredWordsAreAccepted) {
    QTemporaryDir dir;
    PersonalWords personal(dir.filePath(kPersonalWordsFileName));
    ASSERT_TRUE(personal.load());
    auto english = loaded("en_US", &personal);
    EXPECT_TRUE(english->isCorrect("notes")); // from the affix rule
    EXPECT_FALSE(english->isCorrect("Oxlin"));
    ASSERT_TRUE(personal.add("Oxlin"));
    EXPECT_TRUE(english->isCorrect("Oxlin"));
    english->ignore("gardn");
    EXPECT_TRUE(english->isCorrect("gardn"));
    EXPECT_LE(english->suggestions("nte", 1).size(), 1);

    // The word list outlives the run.
    PersonalWords again(personal.path());
    ASSERT_TRUE(again.load());
    EXPECT_TRUE(again.contains("Oxlin"));
}

TEST(WordScanTest, NamesNumbersAndAcronymsAreNotChecked) {
    const QString text = QString::fromUtf8(
        "Helo wrld, see http://exmple.org/x and ~/notes/todo.txt or notes.txt "
        "ann@mail.org NASA B2B mp3 I don't \u2018quoted\u2019 file://C:\\Dcs\\a.txt");
    EXPECT_EQ(texts(text, checkedWords(text)),
              (QStringList{"Helo", "wrld", "see", "and", "or", "I", "don't", "quoted"}));

    const auto english = loaded("en_US");
    EXPECT_EQ(texts(text, misspeltWords(text, *english)), (QStringList{"Helo", "wrld", "quoted"}));
    EXPECT_TRUE(checkedWords(u"").empty());
    EXPECT_TRUE(checkedWords(u"   \t 42 ...").empty());
    // Words of scripts written without spaces are left to the reader.
    const QString mixed = QString::fromUtf8("\u8fd9\u662f notes \u3072\u3089\u304c\u306a \ud55c\uad6d\uc5b4");
    EXPECT_EQ(texts(mixed, checkedWords(mixed)), QStringList{"notes"});
}

TEST(PersonalWordsTest, BadLinesAreSkippedAndCounted) {
    QTemporaryDir dir;
    const QString path = dir.filePath(kPersonalWordsFileName);
    QByteArray bytes = "Oxlin\r\n\nVistelo\n\xff\xfe broken\ntwo words\n";
    bytes += QByteArray(1 << 20, 'x') + "\n"; // a line no word is as long as
    bytes += QString::fromUtf8("Grüße").toUtf8() + "\nlast";
    ASSERT_TRUE(write(path, bytes));
    PersonalWords words(path);
    ASSERT_TRUE(words.load());
    EXPECT_EQ(words.size(), 4); // Oxlin, Vistelo, Grüße, last
    EXPECT_TRUE(words.contains(QString::fromUtf8("Grüße")) && words.contains("last"));
    EXPECT_EQ(words.skippedLines(), 3);

    // A word added after a last line without its break gets a line of its own.
    ASSERT_TRUE(words.add("Quarrow"));
    PersonalWords again(path);
    ASSERT_TRUE(again.load());
    EXPECT_TRUE(again.contains("last") && again.contains("Quarrow"));
    EXPECT_FALSE(words.add("two words"));
}

TEST(DictionariesTest, FoundByLocaleAndIncompleteOnesListed) {
    QTemporaryDir user;
    ASSERT_TRUE(write(user.filePath("xx_XX.aff"), "SET UTF-8\n")); // no .dic
    ASSERT_TRUE(QFile::copy(kData + "/fr_FR.aff", user.filePath("fr_FR.aff")));
    ASSERT_TRUE(QFile::copy(kData + "/fr_FR.dic", user.filePath("fr_FR.dic")));
    const DictionaryScan scan = findDictionaries({user.path(), kData});
    QStringList names;
    for (const DictionaryInfo& found : scan.dictionaries)
        names << found.name;
    EXPECT_EQ(names, (QStringList{"de_DE", "en_US", "fr_FR"}));
    EXPECT_EQ(scan.incomplete, QStringList{user.filePath("xx_XX.aff")});
    EXPECT_TRUE(scan.dictionaries[2].affPath.startsWith(user.path())) << "the first folder wins";

    const auto& all = scan.dictionaries;
    EXPECT_EQ(dictionaryFor(all, QLocale("de_DE")), 0);
    EXPECT_EQ(dictionaryFor(all, QLocale("de_AT")), 0);
    EXPECT_EQ(dictionaryFor(all, QLocale("ja_JP")), 1) << "English beside unchecked Japanese";
    EXPECT_EQ(dictionaryFor(all, QLocale("zh_CN")), 1);
    EXPECT_EQ(dictionaryFor(all, QLocale("C")), 1);
    EXPECT_EQ(dictionaryFor(all, QLocale("pl_PL")), -1) << "Polish is not misspelt English";
    EXPECT_EQ(dictionaryFor({}, QLocale("de_DE")), -1);
    EXPECT_EQ(all[0].languageName(), QString("Deutsch (Deutschland)"));
}

TEST(DictionariesTest, DamagedDictionariesAreRefusedWithAReason) {
    QTemporaryDir dir;
    const DictionaryInfo broken{"en_XX", dir.filePath("en_XX.aff"), dir.filePath("en_XX.dic")};
    QString error;
    EXPECT_FALSE(Speller::load(broken, nullptr, &error));
    EXPECT_TRUE(error.contains("cannot be read"));
    ASSERT_TRUE(write(broken.affPath, "SET UTF-8\n"));
    ASSERT_TRUE(write(broken.dicPath, "hello\nworld\n"));
    EXPECT_FALSE(Speller::load(broken, nullptr, &error));
    EXPECT_TRUE(error.contains("word count"));

    // Garbage in the affix file: loaded, and words are still answered.
    ASSERT_TRUE(write(broken.affPath, QByteArray("\x01\x02SFX\nPFX X Y 99\n\xff\xff\n", 20)));
    ASSERT_TRUE(write(broken.dicPath, "1\nhello\n"));
    const auto speller = Speller::load(broken, nullptr, &error);
    ASSERT_TRUE(speller);
    EXPECT_TRUE(speller->isCorrect("hello"));
}
