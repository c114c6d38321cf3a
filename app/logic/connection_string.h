#pragma once
// The OLE DB connection string for the SQLOLEDB provider that the connection test opens.
#include <string>

// The dialog's texts as they are at the moment of the test, untrimmed.
struct TConnectionInputs {
    std::string Server;
    std::string User;
    std::string Database;
    std::string Password;
    std::string PortText;
    int ItemIndex = 0; // the authentication radio group's selected index; -1 when none
};

// Composes the connection string (8-bit, ANSI code page):
//  - index 0 (Windows authentication): database and server only, integrated security; the
//    user name, password and port are not used;
//  - any other index, -1 included (SQL Server authentication): password, user, database and
//    server, the server followed by "," and the port in decimal when the port text reads as a
//    whole number other than 0 and 1433.
// Server, user and database are trimmed; the password is used exactly as typed. Values that
// could break the key=value syntax are quoted (see ConnectionStringValue); ordinary values
// appear unchanged.
std::string ComposeConnectionString(const TConnectionInputs& inputs);
