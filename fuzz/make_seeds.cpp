// Writes the seed corpus of the reader's fuzzer into the folder given as the
// only argument: sound setup files and files broken in the ways a walk must
// survive.
#include "tests/setup/SetupFileBuilder.h"

#include <cstdio>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

using namespace SetupFile;
using B = SetupFileBuilder;

namespace {

B Station()
{
    B file;
    file.Add(ParamStationID, 1, ElemStationID, B::Text("PEL0000042"));
    file.Add(ParamServerInstance, 1, ElemServerType, B::Int(3));
    file.Add(ParamTransmission, 1, ElemTxInterval, B::Int(3600))
        .Add(ParamTransmission, 1, ElemTxOffset, B::UInt(600))
        .Add(ParamTransmission, 1, ElemTxAlarms, B::IntArray({60, 120, 180}))
        .Add(ParamTransmission, 1, ElemTxDataFormat, B::Int(5))
        .Add(ParamTransmission, 1, ElemTxServers, B::UIntArray({1, 2}))
        .Add(ParamTransmission, 1, ElemTxServer2Mode, B::Int(1))
        .Add(ParamTransmission, 1, ElemTxChannelList, B::Text("00010002UBAT"))
        .Add(ParamTransmission, 1, ElemTxCompression, B::Int(1));
    for (int c = 1; c <= 3; ++c) {
        file.Add(ParamChannel, c, ElemChannelNr, B::Text("000" + std::to_string(c)))
            .Add(ParamChannel, c, ElemChannelName,
                 B::Text(std::string("Level\0\0", 7), TypeTextAlt))
            .Add(ParamSampling, c, ElemSamplingInterval, B::Int(600))
            .Add(ParamStorage, c, 1, B::Int(1))
            .Add(ParamStorageInterval, c, ElemStorageInterval, B::Text("3600"))
            .Add(ParamScaling, c, ElemSkalFactor, B::Real(0.5f))
            .Add(ParamScaling, c, ElemSkalOffset, B::Text("-1.25"))
            .Add(ParamLimit, c, ElemLimitValue, B::Real(2.5f))
            .Add(ParamLimit, c, ElemLimitDir, B::Int(1))
            .Add(ParamLimit, c, ElemGradValue, B::Real(0.1f))
            .Add(ParamLimit, c, ElemGradDir, B::Int(2));
    }
    file.Add(ParamUnusedA, 1, 1, B::Text("info")).Add(ParamUnusedB, 1, 1, B::IntArray({1, 2}));
    return file;
}

std::vector<std::pair<std::string, B::Bytes>> Seeds()
{
    std::vector<std::pair<std::string, B::Bytes>> seeds;
    seeds.emplace_back("station", Station().Build());
    seeds.emplace_back("station-unterminated", Station().WithoutEnd().Build());
    seeds.emplace_back("empty-directory", B().Build());
    seeds.emplace_back("header-only", B().WithoutEnd().Build());
    seeds.emplace_back("entry-cut-short", B().Add(ParamChannel, 1, ElemChannelNr, B::Text("0001"))
                                              .WithoutEnd()
                                              .Tail(B::Words({ParamChannel, 2}))
                                              .Build());
    seeds.emplace_back("text-too-long",
                       B().Add(ParamUnusedA, 1, 1, B::TextClaiming(0xFFFFFFF0, "abc")).Build());
    seeds.emplace_back(
        "array-too-long",
        B().Add(ParamUnusedB, 1, 1, B::Array(TypeInt32Array, 0x7FFFFFFF, {1})).Build());
    seeds.emplace_back("servers-one-element",
                       B().Add(ParamTransmission, 1, ElemTxServers, B::IntArray({2})).Build());
    seeds.emplace_back("unsigned-too-large",
                       B().Add(ParamChannel, 1, ElemChannelNr, B::Text("0001"))
                           .Add(ParamSampling, 1, ElemSamplingInterval, B::UInt(0x80000000))
                           .Build());
    seeds.emplace_back("offsets-outside", B().AddAt(ParamChannel, 1, ElemChannelNr, 0x7FFFFFFF)
                                              .AddAt(ParamChannel, 1, ElemChannelNr, -5)
                                              .AddAt(300, 1, 2, 255)
                                              .Build());
    seeds.emplace_back("odd-shapes", B().Add(ParamChannel, 13, ElemChannelNr, B::Text("0013"))
                                         .Add(ParamSampling, 1, ElemSamplingInterval, B::Real(2.5f))
                                         .Add(ParamTransmission, 1, ElemTxInterval, B::Record(7))
                                         .Add(ParamTransmission, 1, ElemTxAlarms, B::Int(5))
                                         .Add(ParamLimit, 1, ElemLimitDir, B::Int(1))
                                         .Build());
    return seeds;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 2;
    }
    for (const auto &[name, bytes] : Seeds()) {
        std::ofstream out(std::string(argv[1]) + "/" + name + ".bin", std::ios::binary);
        out.write(reinterpret_cast<const char *>(bytes.data()),
                  static_cast<std::streamsize>(bytes.size()));
        if (!out) {
            std::fprintf(stderr, "cannot write seed %s\n", name.c_str());
            return 1;
        }
    }
    return 0;
}
