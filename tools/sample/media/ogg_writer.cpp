#include "tools/sample/media/ogg_writer.h"

#include <vorbis/vorbisenc.h>

#include <algorithm>

namespace {

void AppendOggPage(const ogg_page& page, std::vector<uint8_t>& out) {
  out.insert(out.end(), page.header, page.header + page.header_len);
  out.insert(out.end(), page.body, page.body + page.body_len);
}

// Takes every finished packet out of the encoder into pages.
void DrainVorbisPackets(vorbis_dsp_state& dsp, vorbis_block& block, ogg_stream_state& stream,
                        std::vector<uint8_t>& out) {
  ogg_packet packet;
  ogg_page page;
  while (vorbis_analysis_blockout(&dsp, &block) == 1) {
    vorbis_analysis(&block, nullptr);
    vorbis_bitrate_addblock(&block);
    while (vorbis_bitrate_flushpacket(&dsp, &packet)) {
      ogg_stream_packetin(&stream, &packet);
      while (ogg_stream_pageout(&stream, &page)) AppendOggPage(page, out);
    }
  }
}

}  // namespace

std::vector<uint8_t> EncodeOggVorbis(const std::vector<float>& samples, int channels, int sampleRate, int serial,
                                     float quality) {
  std::vector<uint8_t> out;
  vorbis_info info;
  vorbis_info_init(&info);
  if (channels < 1 || vorbis_encode_init_vbr(&info, channels, sampleRate, quality) != 0) {
    vorbis_info_clear(&info);
    return out;
  }
  vorbis_comment comment;
  vorbis_comment_init(&comment);
  vorbis_dsp_state dsp;
  vorbis_analysis_init(&dsp, &info);
  vorbis_block block;
  vorbis_block_init(&dsp, &block);
  ogg_stream_state stream;
  ogg_stream_init(&stream, serial);

  ogg_packet header, commentHeader, codeHeader;
  vorbis_analysis_headerout(&dsp, &comment, &header, &commentHeader, &codeHeader);
  ogg_stream_packetin(&stream, &header);
  ogg_stream_packetin(&stream, &commentHeader);
  ogg_stream_packetin(&stream, &codeHeader);
  ogg_page page;
  while (ogg_stream_flush(&stream, &page)) AppendOggPage(page, out);

  const std::size_t frames = samples.size() / static_cast<std::size_t>(channels);
  constexpr std::size_t kChunk = 1024;
  for (std::size_t done = 0; done < frames; done += kChunk) {
    const std::size_t now = std::min(kChunk, frames - done);
    float** buffer = vorbis_analysis_buffer(&dsp, static_cast<int>(now));
    for (std::size_t i = 0; i < now; ++i) {
      for (int c = 0; c < channels; ++c) buffer[c][i] = samples[(done + i) * channels + c];
    }
    vorbis_analysis_wrote(&dsp, static_cast<int>(now));
    DrainVorbisPackets(dsp, block, stream, out);
  }
  vorbis_analysis_wrote(&dsp, 0);
  DrainVorbisPackets(dsp, block, stream, out);
  while (ogg_stream_flush(&stream, &page)) AppendOggPage(page, out);

  ogg_stream_clear(&stream);
  vorbis_block_clear(&block);
  vorbis_dsp_clear(&dsp);
  vorbis_comment_clear(&comment);
  vorbis_info_clear(&info);
  return out;
}
