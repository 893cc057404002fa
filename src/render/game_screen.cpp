#include "render/game_screen.h"

#include <string>

#include "render/cell_sprites.h"
#include "render/hud.h"
#include "render/layout.h"
#include "render/version.h"

namespace {

constexpr Colour LEGEND_COLOR = {255, 255, 255};
constexpr Colour LEGEND_PRESSED_COLOR = {255, 128, 128};

struct StatisticPlace {
    Statistic which;
    int y;
};
constexpr StatisticPlace STATISTICS[] = {
    {Statistic::Time, layout::TIMER_Y}, {Statistic::Pieces, layout::PIECES_Y}, {Statistic::Lines, layout::LINES_Y},
    {Statistic::Tpm, layout::TPM_Y},    {Statistic::Keys, layout::KEYS_Y},     {Statistic::Kpt, layout::KPT_Y},
};

// The statistics that change with the clock.
bool running(Statistic which) { return which == Statistic::Time || which == Statistic::Tpm; }

Layer whole(Picture picture, int x, int y) { return SpriteLayer{picture, {{x, y}}}; }

// The labels and lights under and over the field mirror the keys held now; the lights go first
// so that the cells cover them.
void add_key_overlays(std::vector<Layer>& still, const Session& session, KeyBlock keys, const KeyHeld& held) {
    const bool big = session.settings.big_mode;
    const int width = big ? layout::BIG_CELL : layout::CELL;
    const int inset = big ? layout::BIG_LEGEND_INSET : layout::LEGEND_INSET;
    int column = 0;
    for (const LegendLabel& label : key_legend(session, keys, held)) {
        const int x = layout::FIELD_X + inset + width * column++;
        still.push_back(Text{FontSize::Points12, label.pressed ? LEGEND_PRESSED_COLOR : LEGEND_COLOR, x,
                             layout::LEGEND_Y, std::string(1, label.label)});
    }
    SpriteLayer lights{Picture::ColumnHighlight, {}};
    column = 0;
    for (bool lit : lit_columns(session, keys, held)) {
        for (int bar = 0; lit && bar < width; bar += layout::CELL)
            lights.sprites.push_back({layout::FIELD_X + width * column + bar, layout::FIELD_Y});
        ++column;
    }
    still.push_back(lights);
}

// The picture, then each slot's piece, then each slot's strip of axis markers over its piece, the
// active-piece display's first. The slots lie apart, so a strip covers its own slot's piece only.
void add_rotation_guide(std::vector<Layer>& still, const Session& session, const ControlScheme& scheme) {
    const RotationGuide& guide = scheme.guide();
    // The key block tells the two pictures apart: the 40-key schemes share theirs.
    const Picture picture = scheme.keys() == KeyBlock::FourRows ? Picture::Guide40Keys : Picture::Guide10Keys;
    still.push_back(whole(picture, layout::ACTIVE_PIECE_X, guide.picture_y));
    const std::vector<Piece> pieces = scheme.guide_pieces(session.game.active_piece);
    SpriteLayer cells{Picture::CellSheet, {}};
    SpriteLayer markers{Picture::CellHighlight, {}};
    const auto mark_axis = [&](const Piece& piece, int slot_y) {
        const PieceMask mask = session.mask_of(piece);
        const int axis_x = layout::ACTIVE_PIECE_X + layout::CELL * (mask.axis_column + mask.preview_offset);
        for (int cell = 0; cell < layout::guide_markers(slot_y); ++cell)
            markers.sprites.push_back({axis_x, slot_y + layout::CELL * cell});
    };
    mark_axis(session.game.active_piece, layout::ACTIVE_PIECE_Y);
    for (int strip = 0; strip < guide.strips; ++strip) {
        const Piece& piece = pieces[size_t(guide.strip[size_t(strip)].piece)];
        const int slot_y = guide.picture_y + layout::guide_slot_rise(strip);
        add_piece(cells.sprites, piece, layout::ACTIVE_PIECE_X, slot_y, session);
        mark_axis(piece, slot_y);
    }
    still.push_back(cells);
    still.push_back(markers);
}

}  // namespace

ScreenView game_view(const Session& session, const KeyHeld& held, uint32_t now) {
    const Settings& settings = session.settings;
    const ControlScheme& scheme = control_scheme(settings);
    ScreenView view;
    std::vector<Layer>& still = view.still;
    // The backdrop covers the whole window: nothing is cleared first.
    still.push_back(whole(settings.big_mode ? Picture::BackdropBig : Picture::Backdrop, 0, 0));
    add_key_overlays(still, session, scheme.keys(), held);
    SpriteLayer field{settings.big_mode ? Picture::BigCellSheet : Picture::CellSheet, {}};
    add_playfield(field.sprites, layout::FIELD_X, layout::FIELD_Y, session);
    still.push_back(field);
    SpriteLayer boxes{Picture::CellSheet, {}};
    add_piece(boxes.sprites, session.game.active_piece, layout::ACTIVE_PIECE_X, layout::ACTIVE_PIECE_Y, session);
    if (session.game.hold_piece.type != NO_PIECE)
        add_piece(boxes.sprites, session.game.hold_piece, layout::HOLD_PIECE_X, layout::ACTIVE_PIECE_Y, session);
    for (int i = 0; i < settings.piece_previews; ++i) {
        const int y = layout::ACTIVE_PIECE_Y - layout::PREVIEW_SPACING * i;
        add_piece(boxes.sprites, session.game.previews[i], layout::PREVIEW_X, y, session);
    }
    still.push_back(boxes);
    for (const StatisticPlace& place : STATISTICS) {
        HudText text = statistic(place.which, session, now);
        Text line{FontSize::Points12, text.color, layout::STATISTIC_X, place.y, std::move(text.text)};
        if (running(place.which)) view.running.push_back(std::move(line));
        else still.push_back(std::move(line));
    }
    for (const SummaryLine& line : summary_lines(session))
        still.push_back(
            Text{FontSize::Points8, line.line.color, layout::SUMMARY_X, layout::SUMMARY_Y + line.rise, line.line.text});
    still.push_back(Text{FontSize::Points12, WHITE, layout::VERSION_X, layout::VERSION_Y, VERSION_CAPTION});
    if (settings.rotation_guide) add_rotation_guide(still, session, scheme);
    if (!session.game.started)
        view.running.push_back(
            Text{FontSize::Points20, WHITE, layout::COUNTDOWN_X, layout::COUNTDOWN_Y, countdown_text(session, now)});
    return view;
}
