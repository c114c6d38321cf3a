// The NIST CAVP known-answer tests for DES in ECB mode (the SP 800-17 tables), read from
// the shared corpus at test time and run in both directions.
#include "cipher/des_block.h"
#include "tests/cipher/hex_bytes.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

namespace {

struct TKnownAnswer {
    std::string Section;  // ENCRYPT or DECRYPT
    std::string Count;
    std::string Key;
    std::string Plain;
    std::string Cipher;
};

struct TVectorFile {
    const char* Name;
    std::size_t RecordsPerSection;
};

constexpr TVectorFile VectorFiles[] = {
    {"TECBvartext.rsp", 64}, {"TECBinvperm.rsp", 64}, {"TECBvarkey.rsp", 56},
    {"TECBpermop.rsp", 32},  {"TECBsubtab.rsp", 19},
};

// "NAME = value" lines in records separated by blank lines, under "[SECTION]" headers.
// Lines end in CRLF; the CR is dropped.
std::vector<TKnownAnswer> ReadKnownAnswers(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    if (!file) throw std::runtime_error("cannot open " + path);
    std::vector<TKnownAnswer> records;
    std::string section;
    std::string line;
    while (std::getline(file, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.starts_with("[")) section = line.substr(1, line.find(']') - 1);
        const std::size_t equals = line.find(" = ");
        if (line.starts_with("#") || equals == std::string::npos) continue;
        const std::string name = line.substr(0, equals);
        const std::string value = line.substr(equals + 3);
        if (name == "COUNT") records.push_back({section, value, {}, {}, {}});
        else if (records.empty()) throw std::runtime_error(path + ": " + name + " before COUNT");
        else if (name == "KEYs") records.back().Key = value;
        else if (name == "PLAINTEXT") records.back().Plain = value;
        else if (name == "CIPHERTEXT") records.back().Cipher = value;
    }
    return records;
}

std::string Describe(const char* file, const TKnownAnswer& record)
{
    return std::string(file) + " [" + record.Section + "] COUNT = " + record.Count;
}

}  // namespace

TEST(DesKnownAnswer, EveryNistEcbRecordInBothDirections)
{
    for (const TVectorFile& vectors : VectorFiles) {
        const auto records = ReadKnownAnswers(std::string(DBSETUP_CORPUS_DIR) + "/des/" + vectors.Name);
        std::size_t encrypt = 0;
        std::size_t decrypt = 0;
        for (const TKnownAnswer& record : records) {
            const bool enciphering = record.Section == "ENCRYPT";
            ASSERT_TRUE(enciphering || record.Section == "DECRYPT") << Describe(vectors.Name, record);
            ASSERT_TRUE(record.Key.size() == 16 && record.Plain.size() == 16 && record.Cipher.size() == 16)
                << Describe(vectors.Name, record) << ": incomplete record";
            (enciphering ? encrypt : decrypt) += 1;
            BuildSubKeys(ArrayFromHex<8>(record.Key), SubKeyTable);
            const auto input = ArrayFromHex<8>(enciphering ? record.Plain : record.Cipher);
            const auto want = ArrayFromHex<8>(enciphering ? record.Cipher : record.Plain);
            TDesBlock got;
            CipherBlock(enciphering ? cmEncipher : cmDecipher, input, got);
            EXPECT_EQ(HexOf(got), HexOf(want)) << Describe(vectors.Name, record) << ", key "
                                               << record.Key << ", input " << HexOf(input);
        }
        EXPECT_EQ(encrypt, vectors.RecordsPerSection) << vectors.Name << " [ENCRYPT] record count";
        EXPECT_EQ(decrypt, vectors.RecordsPerSection) << vectors.Name << " [DECRYPT] record count";
    }
}
