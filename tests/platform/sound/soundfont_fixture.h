#pragma once
// A minimal SoundFont 2 file made by the test: one looped sine sample, one
// instrument over every key, one preset (bank 0, program 0).

#include <cmath>
#include <cstdint>
#include <numbers>
#include <string>
#include <vector>

#include "tools/sample/media/byte_writer.h"

namespace soundfont_detail {

inline void Name20(cByteWriter& w, const std::string& name) {
  std::string field = name;
  field.resize(20, '\0');
  w.Text(field);
}

inline std::vector<uint8_t> Chunk(const char* id, const std::vector<uint8_t>& body) {
  cByteWriter w;
  w.Text(id).U32LE(static_cast<uint32_t>(body.size())).Raw(body);
  if (body.size() & 1) w.U8(0);
  return w.Take();
}

inline std::vector<uint8_t> List(const char* type, const std::vector<std::vector<uint8_t>>& chunks) {
  cByteWriter body;
  body.Text(type);
  for (const auto& chunk : chunks) body.Raw(chunk);
  return Chunk("LIST", body.Take());
}

}  // namespace soundfont_detail

inline std::vector<uint8_t> SineSoundFont() {
  using namespace soundfont_detail;
  // 100 cycles of a 441 Hz sine at 44100 Hz, then the 46 zero samples the format asks for.
  constexpr uint32_t kLength = 10000;
  cByteWriter smpl;
  for (uint32_t i = 0; i < kLength; ++i) {
    smpl.U16LE(static_cast<uint16_t>(static_cast<int16_t>(16000 * std::sin(2 * std::numbers::pi * i / 100.0))));
  }
  smpl.Zeros(46 * 2);

  cByteWriter ifil, phdr, pbag, pmod, pgen, inst, ibag, imod, igen, shdr;
  ifil.U16LE(2).U16LE(1);
  Name20(phdr, "Sine");
  phdr.U16LE(0).U16LE(0).U16LE(0).U32LE(0).U32LE(0).U32LE(0);
  Name20(phdr, "EOP");
  phdr.U16LE(0).U16LE(0).U16LE(1).U32LE(0).U32LE(0).U32LE(0);
  pbag.U16LE(0).U16LE(0).U16LE(1).U16LE(0);
  pmod.Zeros(10);
  pgen.U16LE(41).U16LE(0).U16LE(0).U16LE(0);  // instrument 0; terminal
  Name20(inst, "Sine");
  inst.U16LE(0);
  Name20(inst, "EOI");
  inst.U16LE(1);
  ibag.U16LE(0).U16LE(0).U16LE(2).U16LE(0);
  imod.Zeros(10);
  igen.U16LE(54).U16LE(1).U16LE(53).U16LE(0).U16LE(0).U16LE(0);  // loop; sample 0; terminal
  Name20(shdr, "Sine");
  shdr.U32LE(0).U32LE(kLength).U32LE(0).U32LE(kLength).U32LE(44100).U8(69).U8(0).U16LE(0).U16LE(1);
  Name20(shdr, "EOS");
  shdr.Zeros(26);

  const std::vector<uint8_t> info = List("INFO", {Chunk("ifil", ifil.Take()), Chunk("isng", {'E', 'M', 'U', '8',
                                                   '0', '0', '0', 0}), Chunk("INAM", {'T', 'e', 's', 't', 0, 0})});
  const std::vector<uint8_t> sdta = List("sdta", {Chunk("smpl", smpl.Take())});
  const std::vector<uint8_t> pdta =
      List("pdta", {Chunk("phdr", phdr.Take()), Chunk("pbag", pbag.Take()), Chunk("pmod", pmod.Take()),
                    Chunk("pgen", pgen.Take()), Chunk("inst", inst.Take()), Chunk("ibag", ibag.Take()),
                    Chunk("imod", imod.Take()), Chunk("igen", igen.Take()), Chunk("shdr", shdr.Take())});
  cByteWriter body;
  body.Text("sfbk").Raw(info).Raw(sdta).Raw(pdta);
  return Chunk("RIFF", body.Take());
}
