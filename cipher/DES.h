#pragma once
// The password cipher: DES in electronic code book use under a key text, with the cipher
// text written as upper-case hexadecimal digits. The dialog stores passwords this way.
//
// Texts are 8-bit byte strings of any content (zero bytes included); nothing here treats a
// string as zero-terminated or converts characters.
//
// Key text: only its first 8 bytes form the DES key; a shorter key text is extended with
// zero bytes. The least significant bit of every key byte is DES parity and takes no part.
//
// Concurrency: every operation rebuilds the one module-level sub-key table (des_block.h)
// from its own key text and then runs its blocks under it. That schedule and its blocks are
// one unit of work, so calls must not overlap: callers on more than one thread must
// serialise every call of this unit with a lock of their own. This program calls it from
// the user-interface thread only, which needs no lock.
//
// Failures raise Exception (toolkit/exceptions.h) with an English message. Results are
// returned by value, so a caller's variable keeps its former value when a call raises.
#include <cstdint>
#include <string>
#include <string_view>

// Enciphers the plain text and writes each cipher byte as two upper-case hex digits:
// 16 digits per 8-byte block, an empty text for an empty plain text.
// Raises "Error: the last char is NULL char." when the plain text ends in a zero byte,
// because deciphering strips trailing zero bytes and could not give that text back.
std::string EncryptToHex(const std::string& plain, const std::string& key);

// Reads the hex text pairwise (either letter case) and deciphers the bytes. An odd last
// digit and an incomplete last block are ignored; trailing zero bytes of the result are
// removed. Raises "Error: not a Hex String" at the first pair with a non-hex character.
// A wrong key is not detected: it yields other bytes, without an error.
std::string DecryptFromHex(const std::string& hex, const std::string& key);

// Raw form of EncryptToHex: the plain text padded with zero bytes to a multiple of 8
// (no block is added to a text that already is one) and enciphered block by block.
std::string EncryptBytes(const std::string& plain, const std::string& key);

// Raw form of DecryptFromHex: deciphers every complete 8-byte block and removes the
// trailing zero bytes of the result.
std::string DecryptBytes(const std::string& cipher, const std::string& key);

// The value of a text of hex digits (0-9, A-F, a-f), most significant first; 0 for an
// empty text. Digits beyond eight wrap around modulo 2^32. Raises "Error: not a Hex String"
// for any other character.
std::int32_t HexToValue(std::string_view digits);
