#include "ogg_file.h"

#include <vorbis/vorbisenc.h>

#include <algorithm>
#include <fstream>
#include <stdexcept>

namespace {

constexpr float QUALITY = 0.3f;
constexpr int CHUNK = 1024;

class Encoder {
public:
    Encoder(std::ofstream& out, int serial) : out_(out) {
        vorbis_info_init(&info_);
        if (vorbis_encode_init_vbr(&info_, 2, SAMPLE_RATE, QUALITY) != 0)
            throw std::runtime_error("vorbis encoder set-up failed");
        vorbis_comment_init(&comment_);
        vorbis_comment_add_tag(&comment_, "TITLE", "Tapfall sound effect");
        vorbis_analysis_init(&dsp_, &info_);
        vorbis_block_init(&dsp_, &block_);
        ogg_stream_init(&stream_, serial);
    }

    ~Encoder() {
        ogg_stream_clear(&stream_);
        vorbis_block_clear(&block_);
        vorbis_dsp_clear(&dsp_);
        vorbis_comment_clear(&comment_);
        vorbis_info_clear(&info_);
    }

    Encoder(const Encoder&) = delete;
    Encoder& operator=(const Encoder&) = delete;

    void write_headers() {
        ogg_packet header, comments, codebooks;
        vorbis_analysis_headerout(&dsp_, &comment_, &header, &comments, &codebooks);
        ogg_stream_packetin(&stream_, &header);
        ogg_stream_packetin(&stream_, &comments);
        ogg_stream_packetin(&stream_, &codebooks);
        // The audio must start on a page of its own.
        ogg_page page;
        while (ogg_stream_flush(&stream_, &page) != 0) write_page(page);
    }

    void write_samples(const Wave& wave, double pan) {
        // Panning only ever quietens one side, so a normalised wave cannot clip.
        const float left_gain = float(std::min(1.0, 1.0 - pan));
        const float right_gain = float(std::min(1.0, 1.0 + pan));
        const auto& samples = wave.samples();
        for (size_t done = 0; done < samples.size();) {
            const int n = int(std::min<size_t>(CHUNK, samples.size() - done));
            float** buffer = vorbis_analysis_buffer(&dsp_, n);
            for (int i = 0; i < n; ++i) {
                buffer[0][i] = float(samples[done + size_t(i)]) * left_gain;
                buffer[1][i] = float(samples[done + size_t(i)]) * right_gain;
            }
            vorbis_analysis_wrote(&dsp_, n);
            drain();
            done += size_t(n);
        }
        vorbis_analysis_wrote(&dsp_, 0);
        drain();
        ogg_page page;
        while (ogg_stream_flush(&stream_, &page) != 0) write_page(page);
    }

private:
    void drain() {
        ogg_packet packet;
        ogg_page page;
        while (vorbis_analysis_blockout(&dsp_, &block_) == 1) {
            vorbis_analysis(&block_, nullptr);
            vorbis_bitrate_addblock(&block_);
            while (vorbis_bitrate_flushpacket(&dsp_, &packet) == 1) {
                ogg_stream_packetin(&stream_, &packet);
                while (ogg_stream_pageout(&stream_, &page) != 0) write_page(page);
            }
        }
    }

    void write_page(const ogg_page& page) {
        out_.write(reinterpret_cast<const char*>(page.header), page.header_len);
        out_.write(reinterpret_cast<const char*>(page.body), page.body_len);
    }

    std::ofstream& out_;
    vorbis_info info_;
    vorbis_comment comment_;
    vorbis_dsp_state dsp_;
    vorbis_block block_;
    ogg_stream_state stream_;
};

}  // namespace

void write_ogg(const std::filesystem::path& path, const Wave& wave, double pan, int serial) {
    std::ofstream out(path, std::ios::binary);
    Encoder encoder(out, serial);
    encoder.write_headers();
    encoder.write_samples(wave, pan);
    if (!out) throw std::runtime_error("cannot write " + path.string());
}
