#pragma once
// Writing one value into an OLE DB connection string.
#include <string>

// The value as it must stand after "Key=" so that the provider reads it back unchanged.
// A value is enclosed in double quotes, with each double quote inside doubled, when it
// contains ";", "'" or '"', when it begins with "=" (after "Key" the provider would read "=="
// as an "=" in the key), or when it begins or ends with a byte of value 32 or less: the parser
// trims white space around unquoted values, and a tab at the edge is as much at risk as a
// blank. Every other value, which includes every ordinary name and password, is returned
// unchanged.
std::string ConnectionStringValue(const std::string& value);
