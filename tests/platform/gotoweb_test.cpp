#include "platform/shell/gotoweb.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

TEST(BrowserCommand, ParsesLikeARegisteredCommandLine) {
    struct Case {
        const char* line;
        const char* program;
        const char* pattern;
    };
    for (const Case& c : {
             Case{"\"/opt/My Browser/run\" -new \"%1\"", "/opt/My Browser/run", "-new \"%s"},
             Case{"firefox", "firefox", " %s"},
             Case{"  lynx   -dump  ", "lynx", "-dump %s"},
             Case{"\"/usr/bin/w3m\"", "/usr/bin/w3m", " %s"},
             Case{"open %s --tab", "open", "%s --tab"},
         }) {
        TBrowserCommand cmd;
        ASSERT_TRUE(ParseBrowserCommand(c.line, cmd)) << c.line;
        EXPECT_EQ(cmd.program, c.program) << c.line;
        EXPECT_EQ(cmd.pattern, c.pattern) << c.line;
    }
    TBrowserCommand cmd;
    EXPECT_FALSE(ParseBrowserCommand("", cmd));
    EXPECT_FALSE(ParseBrowserCommand("  \"\" %s", cmd));
}

TEST(BrowserCommand, AddressStaysOneArgument) {
    const std::string nasty = "file:///a b/\"q\";$(touch x) %s";
    EXPECT_EQ(BrowserArguments("-new \"%s", nasty), std::vector<std::string>({"-new", nasty}));
    EXPECT_EQ(BrowserArguments(" %s", nasty), std::vector<std::string>{nasty});
    EXPECT_EQ(BrowserArguments("--x=\"a b\" url=%s", "u"),
              std::vector<std::string>({"--x=a b", "url=u"}));
}

class ShowDocumentTest : public ::testing::Test {
protected:
    // A browser lookup over browsers (the BROWSER list) for local pages in dataFolder, whose shell
    // records what it is asked to open.
    TGoToWeb Web(const QString& browsers, const QString& dataFolder = QString()) {
        TGoToWeb web(browsers.toStdString());
        web.DataFolder = dataFolder.toStdString();
        web.ShellOpen = [this](const std::string& name, bool local) {
            m_shellCalls.push_back(name + (local ? " (local)" : ""));
            return m_shellResult;
        };
        return web;
    }

    // A fake browser that writes its arguments, one per line, to argv.txt.
    QString MakeFakeBrowser() {
        QString script = m_dir.filePath("fake browser.sh");
        QFile f(script);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(("#!/bin/sh\nfor a in \"$@\"; do printf '%s\\n' \"$a\"; done > '" +
                 m_dir.filePath("argv.tmp") + "'\nmv '" + m_dir.filePath("argv.tmp") + "' '" +
                 m_dir.filePath("argv.txt") + "'\n")
                    .toUtf8());
        f.close();
        f.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        return script;
    }

    QStringList WaitForArgs() {
        QFile out(m_dir.filePath("argv.txt"));
        for (int i = 0; i < 500 && !out.exists(); ++i) QTest::qWait(10);
        if (!out.open(QIODevice::ReadOnly)) return {};
        QString text = QString::fromUtf8(out.readAll());
        text.chop(1);
        return text.split('\n');
    }

    QTemporaryDir m_dir;
    std::vector<std::string> m_shellCalls;
    bool m_shellResult = false;
};

TEST_F(ShowDocumentTest, LocalPageReachesTheBrowserAsOneArgumentAndRunsNothing) {
    QString weird = m_dir.filePath("we'ird \"dir\"; $(touch pwned) & `touch pwned2` #1 100%");
    ASSERT_TRUE(QDir().mkpath(weird));
    TGoToWeb web = Web("\"" + MakeFakeBrowser() + "\" --flag", weird);

    std::vector<std::string> errors;
    EXPECT_TRUE(ShowDocument(web, "help/help.html", true,
                             [&](const std::string& m) { errors.push_back(m); }));
    const QStringList args = WaitForArgs();
    ASSERT_EQ(args.size(), 2);
    EXPECT_EQ(args[0], "--flag");
    // "#" and "%" are encoded: the browser reads back exactly this file.
    const QUrl url(args[1], QUrl::StrictMode);
    EXPECT_TRUE(url.isLocalFile()) << args[1].toStdString();
    EXPECT_EQ(url.toLocalFile(), weird + "/help/help.html");
    EXPECT_TRUE(url.fragment().isNull());
    EXPECT_TRUE(errors.empty());
    EXPECT_TRUE(m_shellCalls.empty());
    EXPECT_FALSE(QFile::exists(m_dir.filePath("pwned")));
    EXPECT_FALSE(QFile::exists("pwned"));
    EXPECT_FALSE(QFile::exists("pwned2"));
}

TEST_F(ShowDocumentTest, AddressBackslashesBecomeSlashesForTheBrowser) {
    TGoToWeb web = Web("/no/such/browser:\"" + MakeFakeBrowser() + "\" %1");
    EXPECT_TRUE(ShowDocument(web, "http://example.invalid/a\\b?x=1;y", false, nullptr));
    EXPECT_EQ(WaitForArgs(), QStringList({"http://example.invalid/a/b?x=1;y"}));
}

TEST_F(ShowDocumentTest, WithoutBrowserTheShellGetsTheFullNameAndFailureIsReported) {
    TGoToWeb none = Web(QString(), "/opt/tastra");
    std::vector<std::string> errors;
    EXPECT_FALSE(ShowDocument(none, "help/help.html", true,
                              [&](const std::string& m) { errors.push_back(m); }));
    EXPECT_EQ(m_shellCalls, std::vector<std::string>{"/opt/tastra/help/help.html (local)"});
    EXPECT_EQ(errors, std::vector<std::string>{"Cannot show file \"help/help.html\"."});

    // A browser that does not exist falls back to the shell, which succeeds here.
    TGoToWeb missing = Web("/no/such/browser %s");
    m_shellResult = true;
    errors.clear();
    EXPECT_TRUE(ShowDocument(missing, "https://example.invalid/forum", false,
                             [&](const std::string& m) { errors.push_back(m); }));
    EXPECT_EQ(m_shellCalls.back(), "https://example.invalid/forum");
    EXPECT_TRUE(errors.empty());
}
