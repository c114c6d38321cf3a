#include "app/logic/connection_string.h"
#include "app/logic/connection_value.h"
#include "app/logic/trim_text.h"

#include "tests/logic/byte_text.h"
#include "tests/logic/oledb_connection_string.h"

#include <gtest/gtest.h>

namespace {

const std::string WindowsPrefix = "Provider=SQLOLEDB.1;Persist Security Info=True;Initial Catalog=";
const std::string SqlPrefix = "Provider=SQLOLEDB.1;Password=";

struct TComposeCase {
    const char* Name;
    TConnectionInputs Inputs; // server, user, database, password, port text, item index
    std::string Want;
};

const TComposeCase ComposeCases[] = {
    {"Windows authentication ignores user and password",
     {"srv", "sa", "db", "pw", "", 0},
     WindowsPrefix + "db;Data Source=srv;Integrated Security=SSPI"},
    {"Windows authentication has no port",
     {"srv", "", "db", "", "1434", 0},
     WindowsPrefix + "db;Data Source=srv;Integrated Security=SSPI"},
    {"SQL Server authentication, empty port",
     {"srv", "sa", "db", "pw", "", 1},
     SqlPrefix + "pw;Persist Security Info=false;User ID=sa;Initial Catalog=db;Data Source=srv"},
    {"port 1434",
     {"srv", "sa", "db", "pw", "1434", 1},
     SqlPrefix + "pw;Persist Security Info=false;User ID=sa;Initial Catalog=db;Data Source=srv,1434"},
    {"port 1433 is the standard port",
     {"srv", "sa", "db", "pw", "1433", 1},
     SqlPrefix + "pw;Persist Security Info=false;User ID=sa;Initial Catalog=db;Data Source=srv"},
    {"port 0",
     {"srv", "sa", "db", "pw", "0", 1},
     SqlPrefix + "pw;Persist Security Info=false;User ID=sa;Initial Catalog=db;Data Source=srv"},
    {"hexadecimal port is written in decimal",
     {"srv", "sa", "db", "pw", "$59A", 1},
     SqlPrefix + "pw;Persist Security Info=false;User ID=sa;Initial Catalog=db;Data Source=srv,1434"},
    {"0x port",
     {"srv", "sa", "db", "pw", "0x59a", 1},
     SqlPrefix + "pw;Persist Security Info=false;User ID=sa;Initial Catalog=db;Data Source=srv,1434"},
    {"negative port",
     {"srv", "sa", "db", "pw", "-5", 1},
     SqlPrefix + "pw;Persist Security Info=false;User ID=sa;Initial Catalog=db;Data Source=srv,-5"},
    {"port that is no number",
     {"srv", "sa", "db", "pw", "abc", 1},
     SqlPrefix + "pw;Persist Security Info=false;User ID=sa;Initial Catalog=db;Data Source=srv"},
    {"port with a trailing blank is no number",
     {"srv", "sa", "db", "pw", "1434 ", 1},
     SqlPrefix + "pw;Persist Security Info=false;User ID=sa;Initial Catalog=db;Data Source=srv"},
    {"blanks trimmed from server, user and database, kept in the password",
     {"  srv\t", " sa ", " db ", " pw", "", 1},
     SqlPrefix + "\" pw\";Persist Security Info=false;User ID=sa;Initial Catalog=db;Data Source=srv"},
    {"Windows authentication trims too",
     {" srv ", "", "\tdb\r\n", "", "", 0},
     WindowsPrefix + "db;Data Source=srv;Integrated Security=SSPI"},
    {"no item selected builds the SQL Server string, empty user",
     {"srv", "", "db", "", "", -1},
     SqlPrefix + ";Persist Security Info=false;User ID=;Initial Catalog=db;Data Source=srv"},
    {"an index beyond the items builds the SQL Server string",
     {"srv", "sa", "db", "pw", "", 2},
     SqlPrefix + "pw;Persist Security Info=false;User ID=sa;Initial Catalog=db;Data Source=srv"},
    {"instance names and GBK names unchanged",
     {"HOST\\SQLEXPRESS", "\xD3\xC3\xBB\xA7", "\xB2\xE2\xCA\xD4", "p=w", "", 1},
     SqlPrefix + "p=w;Persist Security Info=false;User ID=\xD3\xC3\xBB\xA7;"
                 "Initial Catalog=\xB2\xE2\xCA\xD4;Data Source=HOST\\SQLEXPRESS"},
    {"hostile password is quoted",
     {"srv", "sa", "db", "x;Integrated Security=SSPI", "", 1},
     SqlPrefix + "\"x;Integrated Security=SSPI\";Persist Security Info=false;User ID=sa;"
                 "Initial Catalog=db;Data Source=srv"},
    {"server with port is quoted as a whole",
     {"a;b", "sa", "db", "pw", "1434", 1},
     SqlPrefix + "pw;Persist Security Info=false;User ID=sa;Initial Catalog=db;Data Source=\"a;b,1434\""},
};

TEST(ComposeConnectionString, Table)
{
    for (const TComposeCase& row : ComposeCases)
        EXPECT_EQ(Escaped(ComposeConnectionString(row.Inputs)), Escaped(row.Want)) << "row: " << row.Name;
}

struct TValueCase {
    std::string Value;
    std::string Want;
};

const TValueCase ValueCases[] = {
    {"", ""},
    {"plain", "plain"},
    {"inner blank", "inner blank"},
    {"a=b", "a=b"},
    {"a=", "a="},
    {"=a", "\"=a\""},
    {"\xA3\xA1", "\xA3\xA1"}, // bytes of 0x80 and above are no blanks
    {" lead", "\" lead\""},
    {"trail ", "\"trail \""},
    {"\ttab", "\"\ttab\""},
    {"a;b", "\"a;b\""},
    {"it's", "\"it's\""},
    {"say \"hi\"", "\"say \"\"hi\"\"\""},
    {"\"", "\"\"\"\""},
};

TEST(ConnectionStringValue, Table)
{
    for (const TValueCase& row : ValueCases)
        EXPECT_EQ(Escaped(ConnectionStringValue(row.Value)), Escaped(row.Want)) << "row: " << Escaped(row.Value);
}

// What a provider reads from the composed string: every value comes back unchanged, and no
// value can add or change a key.
const std::string HostileValues[] = {
    "x;Integrated Security=SSPI",
    "\"quoted\"",
    " lead",
    "trail ",
    "it's",
    "''",
    "\"",
    ";",
    "==",
    "=",
    "=x;y",
    "a=b;c",
    "\ttab\t",
    "\"x\";Data Source=evil",
    "'x';Data Source=evil",
    "",
};

std::vector<std::string> Keys(const std::vector<TConnectionPair>& pairs)
{
    std::vector<std::string> keys;
    for (const TConnectionPair& pair : pairs)
        keys.push_back(pair.Key);
    return keys;
}

const std::vector<std::string> SqlServerKeys = {"Provider", "Password", "Persist Security Info",
                                                "User ID", "Initial Catalog", "Data Source"};
const std::vector<std::string> WindowsKeys = {"Provider", "Persist Security Info", "Initial Catalog",
                                              "Data Source", "Integrated Security"};

TEST(ComposeConnectionString, PasswordsRoundTrip)
{
    for (const std::string& password : HostileValues) {
        const std::string composed = ComposeConnectionString({"srv", "sa", "db", password, "1434", 1});
        const auto pairs = ParseConnectionString(composed);
        ASSERT_TRUE(pairs) << "password " << Escaped(password) << " composed " << Escaped(composed);
        ASSERT_EQ(Keys(*pairs), SqlServerKeys) << "password " << Escaped(password);
        EXPECT_EQ(Escaped((*pairs)[1].Value), Escaped(password));
        EXPECT_EQ(Escaped((*pairs)[5].Value), Escaped("srv,1434"));
    }
}

// Server, user and database are trimmed first; what is left must come back unchanged.
TEST(ComposeConnectionString, NamesRoundTrip)
{
    for (const std::string& name : HostileValues) {
        for (int index : {0, 1}) {
            const std::string composed = ComposeConnectionString({name, name, name, "pw", "", index});
            const auto pairs = ParseConnectionString(composed);
            ASSERT_TRUE(pairs) << "name " << Escaped(name) << " composed " << Escaped(composed);
            ASSERT_EQ(Keys(*pairs), index == 0 ? WindowsKeys : SqlServerKeys) << "name " << Escaped(name);
            for (const TConnectionPair& pair : *pairs) {
                if (pair.Key == "User ID" || pair.Key == "Initial Catalog" || pair.Key == "Data Source") {
                    EXPECT_EQ(Escaped(pair.Value), Escaped(TrimText(name)))
                        << "name " << Escaped(name) << " key " << pair.Key;
                }
            }
        }
    }
}

} // namespace
