#include "render/game_screen.h"

#include <string>

#include "render/field_drawing.h"
#include "render/hud.h"
#include "render/layout.h"
#include "render/version.h"

namespace {

constexpr SDL_Color LEGEND_COLOR = {255, 255, 255, 0};
constexpr SDL_Color LEGEND_PRESSED_COLOR = {255, 128, 128, 0};

struct StatisticPlace {
    Statistic which;
    int y;
};
constexpr StatisticPlace STATISTICS[] = {
    {Statistic::Time, layout::TIMER_Y}, {Statistic::Pieces, layout::PIECES_Y}, {Statistic::Lines, layout::LINES_Y},
    {Statistic::Tpm, layout::TPM_Y},    {Statistic::Keys, layout::KEYS_Y},     {Statistic::Kpt, layout::KPT_Y},
};

// The labels and lights under and over the field mirror the keys held now; the lights go first
// so that the cells cover them.
void draw_key_overlays(const Session& session, const Resources& resources, KeyBlock keys, const KeyHeld& held) {
    const bool big = session.settings.big_mode;
    const int width = big ? layout::BIG_CELL : layout::CELL;
    const int inset = big ? layout::BIG_LEGEND_INSET : layout::LEGEND_INSET;
    int column = 0;
    for (const LegendLabel& label : key_legend(session, keys, held))
        resources.text.draw(resources.font12.get(), label.pressed ? LEGEND_PRESSED_COLOR : LEGEND_COLOR,
                            layout::FIELD_X + inset + width * column++, layout::LEGEND_Y, std::string(1, label.label));
    column = 0;
    SpriteBatch lights(resources.column_highlight);
    for (bool lit : lit_columns(session, keys, held)) {
        for (int bar = 0; lit && bar < width; bar += layout::CELL)
            lights.add(resources.column_highlight.area(), layout::FIELD_X + width * column + bar, layout::FIELD_Y);
        ++column;
    }
}

// The picture, then each slot's piece, then each slot's strip of axis markers over its piece. The
// slots lie apart, so a strip covers its own slot's piece only.
void draw_rotation_guide(const Session& session, const Resources& resources, const ControlScheme& scheme) {
    const bool forty = scheme.keys() == KeyBlock::FourRows;
    (forty ? resources.guide_40_keys : resources.guide_10_keys)
        .draw(layout::ACTIVE_PIECE_X, forty ? layout::GUIDE_40_KEYS_Y : layout::GUIDE_10_KEYS_Y);
    std::vector<Piece> pieces = scheme.guide_pieces(session.game.active_piece);
    pieces.insert(pieces.begin(), session.game.active_piece);
    const auto slot_y = [forty](size_t slot) {
        return forty ? layout::GUIDE_40_KEYS_SLOT_Y[slot] : layout::GUIDE_10_KEYS_SLOT_Y[slot];
    };
    {
        // The first slot marks the active-piece display, which shows the piece itself.
        SpriteBatch cells(resources.cell_sheet);
        for (size_t slot = 1; slot < pieces.size(); ++slot)
            draw_piece(cells, pieces[slot], layout::ACTIVE_PIECE_X, slot_y(slot), session);
    }
    SpriteBatch markers(resources.cell_highlight);
    for (size_t slot = 0; slot < pieces.size(); ++slot) {
        const int strip = forty ? layout::GUIDE_40_KEYS_STRIP[slot] : layout::GUIDE_STRIP;
        const PieceMask mask = session.mask_of(pieces[slot]);
        const int axis_x = layout::ACTIVE_PIECE_X + layout::CELL * (mask.axis_column + mask.preview_offset);
        for (int cell = 0; cell < strip; ++cell)
            markers.add(resources.cell_highlight.area(), axis_x, slot_y(slot) + layout::CELL * cell);
    }
}

// The statistics that change with the clock; with the countdown before play, the running texts.
bool running(Statistic which) { return which == Statistic::Time || which == Statistic::Tpm; }

// What the screen shows but for its running texts, written out: when it reads as in the frame
// before, that part of the screen is drawn from the copy kept of it.
std::string still_part(const Session& session, KeyBlock keys, const KeyHeld& held, uint32_t now) {
    // The settings that the summary does not name but the screen shows.
    const Settings& s = session.settings;
    std::string shown = {char(s.big_mode), char(s.ars), char(s.piece_previews), char(s.rotation_guide)};
    for (const SummaryLine& line : summary_lines(session)) shown += line.line.text;
    for (int column = 0; column < session.game.playfield.width(); ++column)
        for (int row = 0; row < session.game.playfield.height(); ++row) shown += char(session.game.playfield.cell(column, row));
    for (const Piece& piece : {session.game.active_piece, session.game.hold_piece}) shown += {char(piece.type), char(piece.orientation)};
    for (int i = 0; i < s.piece_previews; ++i) shown += {char(session.game.previews[i].type), char(session.game.previews[i].orientation)};
    for (const StatisticPlace& place : STATISTICS) {
        const HudText text = statistic(place.which, session, now);
        if (!running(place.which)) shown += text.text + char(text.color.r);
    }
    for (const LegendLabel& label : key_legend(session, keys, held)) shown += {label.label, char(label.pressed)};
    for (bool lit : lit_columns(session, keys, held)) shown += char(lit);
    return shown;
}

void draw_still_part(const Session& session, const Resources& resources, const KeyHeld& held, uint32_t now) {
    const ControlScheme& scheme = control_scheme(session.settings);
    // The backdrop covers the whole window: nothing is cleared first.
    (session.settings.big_mode ? resources.backdrop_big : resources.backdrop).draw(0, 0);
    draw_key_overlays(session, resources, scheme.keys(), held);
    draw_playfield(layout::FIELD_X, layout::FIELD_Y, session, resources);
    {
        SpriteBatch cells(resources.cell_sheet);
        draw_piece(cells, session.game.active_piece, layout::ACTIVE_PIECE_X, layout::ACTIVE_PIECE_Y, session);
        if (session.game.hold_piece.type != NO_PIECE)
            draw_piece(cells, session.game.hold_piece, layout::HOLD_PIECE_X, layout::ACTIVE_PIECE_Y, session);
        for (int i = 0; i < session.settings.piece_previews; ++i)
            draw_piece(cells, session.game.previews[i], layout::PREVIEW_X, layout::ACTIVE_PIECE_Y - layout::PREVIEW_SPACING * i,
                       session);
    }
    for (const StatisticPlace& place : STATISTICS) {
        const HudText text = statistic(place.which, session, now);
        if (!running(place.which))
            resources.text.draw(resources.font12.get(), text.color, layout::STATISTIC_X, place.y, text.text);
    }
    for (const SummaryLine& line : summary_lines(session))
        resources.text.draw(resources.font8.get(), line.line.color, layout::SUMMARY_X, layout::SUMMARY_Y + line.rise,
                            line.line.text);
    resources.text.draw(resources.font12.get(), WHITE, layout::VERSION_X, layout::VERSION_Y, VERSION_CAPTION);
    if (session.settings.rotation_guide) draw_rotation_guide(session, resources, scheme);
    resources.text.end_frame();
}

}  // namespace

void draw_game(const Session& session, const Resources& resources, const KeyHeld& held, uint32_t now) {
    const std::string still = still_part(session, control_scheme(session.settings).keys(), held, now);
    StillCopy& copy = resources.still;
    if (still != copy.shows || !copy.picture.usable()) {
        copy.picture.draw_into();
        draw_still_part(session, resources, held, now);
        copy.shows = still;
    }
    copy.picture.put();
    // Nothing of the still part lies under the running texts, so they may come last.
    for (const StatisticPlace& place : STATISTICS) {
        const HudText text = statistic(place.which, session, now);
        if (running(place.which))
            resources.running_text.draw(resources.font12.get(), text.color, layout::STATISTIC_X, place.y, text.text);
    }
    if (!session.game.started)
        resources.running_text.draw(resources.font20.get(), WHITE, layout::COUNTDOWN_X, layout::COUNTDOWN_Y,
                                    countdown_text(session, now));
    resources.running_text.end_frame();
}
