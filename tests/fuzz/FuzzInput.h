#pragma once

#include <QByteArrayView>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

// What the fuzz targets share: the input as bytes, and a broken promise reported as a finding.
namespace fuzzinput {

inline QByteArrayView bytes(const std::uint8_t* data, std::size_t size)
{
    return {reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)};
}

// libFuzzer keeps the input that aborts as a crash and fails the run.
inline void require(bool kept, const char* promise)
{
    if (kept) return;
    std::fprintf(stderr, "broken: %s\n", promise);
    std::abort();
}

}  // namespace fuzzinput
