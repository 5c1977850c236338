# SPDX-License-Identifier: GPL-3.0-or-later
# Every source file of the program, by library. A new file is added here by name.

# Decimal, INI and store text, atomic files.
set(TRESOLO_SUPPORT_SOURCES
    ${CMAKE_SOURCE_DIR}/support/atomic_file.cpp
    ${CMAKE_SOURCE_DIR}/support/decimal_mask.cpp
    ${CMAKE_SOURCE_DIR}/support/euro_decimal.cpp
    ${CMAKE_SOURCE_DIR}/support/failure_reasons.cpp
    ${CMAKE_SOURCE_DIR}/support/ini_document.cpp
    ${CMAKE_SOURCE_DIR}/support/prefault.cpp
    ${CMAKE_SOURCE_DIR}/support/profile_string.cpp
    ${CMAKE_SOURCE_DIR}/support/read_file.cpp
    ${CMAKE_SOURCE_DIR}/support/registry_text.cpp
    ${CMAKE_SOURCE_DIR}/support/text_util.cpp
    ${CMAKE_SOURCE_DIR}/support/tstregini.cpp
    ${CMAKE_SOURCE_DIR}/support/user_store_path.cpp
    ${CMAKE_SOURCE_DIR}/support/whole_number.cpp
    ${CMAKE_SOURCE_DIR}/support/write_failures.cpp
)

# Picture files and the resampler.
set(TRESOLO_CODECS_SOURCES
    ${CMAKE_SOURCE_DIR}/codecs/bmp.cpp
    ${CMAKE_SOURCE_DIR}/codecs/jpeg.cpp
    ${CMAKE_SOURCE_DIR}/codecs/lanczos.cpp
    ${CMAKE_SOURCE_DIR}/codecs/lanczos_taps.cpp
    ${CMAKE_SOURCE_DIR}/codecs/picture_file.cpp
    ${CMAKE_SOURCE_DIR}/codecs/picture_prefetch.cpp
)

# The operating-system services.
set(TRESOLO_PLATFORM_SOURCES
    ${CMAKE_SOURCE_DIR}/platform/audio_device.cpp
    ${CMAKE_SOURCE_DIR}/platform/audio_voices.cpp
    ${CMAKE_SOURCE_DIR}/platform/cpu_clock.cpp
    ${CMAKE_SOURCE_DIR}/platform/documents_folder.cpp
    ${CMAKE_SOURCE_DIR}/platform/executable_path.cpp
    ${CMAKE_SOURCE_DIR}/platform/install_layout.cpp
    ${CMAKE_SOURCE_DIR}/platform/instance_lock.cpp
    ${CMAKE_SOURCE_DIR}/platform/internet_state.cpp
    ${CMAKE_SOURCE_DIR}/platform/launch_viewer.cpp
    ${CMAKE_SOURCE_DIR}/platform/local_time.cpp
    ${CMAKE_SOURCE_DIR}/platform/open_document.cpp
    ${CMAKE_SOURCE_DIR}/platform/os_version.cpp
    ${CMAKE_SOURCE_DIR}/platform/sleep.cpp
    ${CMAKE_SOURCE_DIR}/platform/stop_signals.cpp
    ${CMAKE_SOURCE_DIR}/platform/taskbar.cpp
    ${CMAKE_SOURCE_DIR}/platform/tone.cpp
    ${CMAKE_SOURCE_DIR}/platform/tone_voice.cpp
    ${CMAKE_SOURCE_DIR}/platform/wave_file.cpp
    ${CMAKE_SOURCE_DIR}/platform/wave_playback.cpp
    ${CMAKE_SOURCE_DIR}/platform/wave_voice.cpp
)

# The component toolkit.
set(TRESOLO_TOOLKIT_SOURCES
    ${CMAKE_SOURCE_DIR}/toolkit/application.cpp
    ${CMAKE_SOURCE_DIR}/toolkit/blit.cpp
    ${CMAKE_SOURCE_DIR}/toolkit/buttons.cpp
    ${CMAKE_SOURCE_DIR}/toolkit/changed_part.cpp
    ${CMAKE_SOURCE_DIR}/toolkit/checkbox.cpp
    ${CMAKE_SOURCE_DIR}/toolkit/component.cpp
    ${CMAKE_SOURCE_DIR}/toolkit/control.cpp
    ${CMAKE_SOURCE_DIR}/toolkit/damage.cpp
    ${CMAKE_SOURCE_DIR}/toolkit/dialogs.cpp
    ${CMAKE_SOURCE_DIR}/toolkit/edit.cpp
    ${CMAKE_SOURCE_DIR}/toolkit/font.cpp
    ${CMAKE_SOURCE_DIR}/toolkit/font_files.cpp
    ${CMAKE_SOURCE_DIR}/toolkit/form.cpp
    ${CMAKE_SOURCE_DIR}/toolkit/graphics.cpp
    ${CMAKE_SOURCE_DIR}/toolkit/image.cpp
    ${CMAKE_SOURCE_DIR}/toolkit/label.cpp
    ${CMAKE_SOURCE_DIR}/toolkit/machpause.cpp
    ${CMAKE_SOURCE_DIR}/toolkit/media_player.cpp
    ${CMAKE_SOURCE_DIR}/toolkit/memo.cpp
    ${CMAKE_SOURCE_DIR}/toolkit/opaque_runs.cpp
    ${CMAKE_SOURCE_DIR}/toolkit/panel.cpp
    ${CMAKE_SOURCE_DIR}/toolkit/random.cpp
    ${CMAKE_SOURCE_DIR}/toolkit/resampled.cpp
    ${CMAKE_SOURCE_DIR}/toolkit/screen.cpp
    ${CMAKE_SOURCE_DIR}/toolkit/stringlist.cpp
    ${CMAKE_SOURCE_DIR}/toolkit/timer.cpp
)

# The tests' backend.
set(TRESOLO_HEADLESS_SOURCES
    ${CMAKE_SOURCE_DIR}/toolkit/headless/harness.cpp
    ${CMAKE_SOURCE_DIR}/toolkit/headless/headless_backend.cpp
)

# The backend of real windows.
set(TRESOLO_SDL_SOURCES
    ${CMAKE_SOURCE_DIR}/toolkit/sdl/sdl_backend.cpp
    ${CMAKE_SOURCE_DIR}/toolkit/sdl/x11_backdrop.cpp
    ${CMAKE_SOURCE_DIR}/toolkit/sdl/x11_focus.cpp
    ${CMAKE_SOURCE_DIR}/toolkit/sdl/x11_raise.cpp
    ${CMAKE_SOURCE_DIR}/toolkit/sdl/x11_watch.cpp
)

# The reel strip, the combination table and the ladder fields: plain data and rules.
set(TRESOLO_GAME_TABLE_SOURCES
    ${CMAKE_SOURCE_DIR}/game/reel_positions.cpp
    ${CMAKE_SOURCE_DIR}/game/combination_table.cpp
    ${CMAKE_SOURCE_DIR}/machine/ladder_fields.cpp
    ${CMAKE_SOURCE_DIR}/machine/ladder_parts.cpp
    ${CMAKE_SOURCE_DIR}/machine/reel_pictures.cpp
)

# The hub and every part of the game.
set(TRESOLO_GAME_SOURCES
    ${CMAKE_SOURCE_DIR}/machine/denominations.cpp
    ${CMAKE_SOURCE_DIR}/machine/form1.cpp
    ${CMAKE_SOURCE_DIR}/machine/input_gate.cpp
    ${CMAKE_SOURCE_DIR}/machine/ledger.cpp
    ${CMAKE_SOURCE_DIR}/machine/cash_box_keeper.cpp
    ${CMAKE_SOURCE_DIR}/machine/menu_switches_read.cpp
    ${CMAKE_SOURCE_DIR}/machine/menue_dlg.cpp
    ${CMAKE_SOURCE_DIR}/machine/name_dlg.cpp
    ${CMAKE_SOURCE_DIR}/machine/program_end.cpp
    ${CMAKE_SOURCE_DIR}/machine/scene_geometry.cpp
    ${CMAKE_SOURCE_DIR}/machine/scene_pictures.cpp
    ${CMAKE_SOURCE_DIR}/machine/settings_store.cpp
    ${CMAKE_SOURCE_DIR}/machine/window_parts.cpp
    ${CMAKE_SOURCE_DIR}/media/attract_mode.cpp
    ${CMAKE_SOURCE_DIR}/media/chest.cpp
    ${CMAKE_SOURCE_DIR}/media/shark.cpp
    ${CMAKE_SOURCE_DIR}/media/sound.cpp
    ${CMAKE_SOURCE_DIR}/media/split_blur.cpp
    ${CMAKE_SOURCE_DIR}/media/split_blur_effect.cpp
    ${CMAKE_SOURCE_DIR}/game/crediting.cpp
    ${CMAKE_SOURCE_DIR}/game/evaluation.cpp
    ${CMAKE_SOURCE_DIR}/game/game_control.cpp
    ${CMAKE_SOURCE_DIR}/game/ladder_sequence.cpp
    ${CMAKE_SOURCE_DIR}/game/ladder_stop.cpp
    ${CMAKE_SOURCE_DIR}/game/reel_spin.cpp
    ${CMAKE_SOURCE_DIR}/game/risk_game.cpp
    ${CMAKE_SOURCE_DIR}/game/scene_parts.cpp
    ${CMAKE_SOURCE_DIR}/game/win_ladder.cpp
    ${CMAKE_SOURCE_DIR}/money/debt_log_text.cpp
    ${CMAKE_SOURCE_DIR}/money/deposit.cpp
    ${CMAKE_SOURCE_DIR}/money/menue_events.cpp
    ${CMAKE_SOURCE_DIR}/money/menue_switches.cpp
    ${CMAKE_SOURCE_DIR}/money/name_query.cpp
    ${CMAKE_SOURCE_DIR}/money/payout.cpp
    ${CMAKE_SOURCE_DIR}/money/payout_pieces.cpp
    ${CMAKE_SOURCE_DIR}/money/debt_log.cpp
    ${CMAKE_SOURCE_DIR}/shell/background_tiles.cpp
    ${CMAKE_SOURCE_DIR}/shell/clock_text.cpp
    ${CMAKE_SOURCE_DIR}/shell/first_paint.cpp
    ${CMAKE_SOURCE_DIR}/shell/layout.cpp
    ${CMAKE_SOURCE_DIR}/shell/lifecycle.cpp
    ${CMAKE_SOURCE_DIR}/shell/save_failure_notice.cpp
    ${CMAKE_SOURCE_DIR}/shell/scene_catalogue.cpp
    ${CMAKE_SOURCE_DIR}/shell/shell_commands.cpp
    ${CMAKE_SOURCE_DIR}/shell/start_up.cpp
    ${CMAKE_SOURCE_DIR}/shell/version_check.cpp
    ${CMAKE_SOURCE_DIR}/statistics/attach.cpp
    ${CMAKE_SOURCE_DIR}/statistics/exact_odds.cpp
    ${CMAKE_SOURCE_DIR}/statistics/figure_rows.cpp
    ${CMAKE_SOURCE_DIR}/statistics/game_rows.cpp
    ${CMAKE_SOURCE_DIR}/statistics/history_columns.cpp
    ${CMAKE_SOURCE_DIR}/statistics/history_file.cpp
    ${CMAKE_SOURCE_DIR}/statistics/history_schema.cpp
    ${CMAKE_SOURCE_DIR}/statistics/last_games.cpp
    ${CMAKE_SOURCE_DIR}/statistics/local_stamp.cpp
    ${CMAKE_SOURCE_DIR}/statistics/money_text.cpp
    ${CMAKE_SOURCE_DIR}/statistics/net_chart.cpp
    ${CMAKE_SOURCE_DIR}/statistics/play_figures.cpp
    ${CMAKE_SOURCE_DIR}/statistics/play_history.cpp
    ${CMAKE_SOURCE_DIR}/statistics/play_recorder.cpp
    ${CMAKE_SOURCE_DIR}/statistics/protection.cpp
    ${CMAKE_SOURCE_DIR}/statistics/sqlite_db.cpp
    ${CMAKE_SOURCE_DIR}/statistics/statistics_window.cpp
    # The composition root: the windows and the play history put together.
    ${CMAKE_SOURCE_DIR}/program/windows.cpp
)

# The help's exact odds and returns.
set(TRESOLO_HELPDOC_ODDS_SOURCES
    ${CMAKE_SOURCE_DIR}/helpdoc/fraction.cpp
    ${CMAKE_SOURCE_DIR}/helpdoc/help_names.cpp
    ${CMAKE_SOURCE_DIR}/helpdoc/player_return.cpp
    ${CMAKE_SOURCE_DIR}/helpdoc/win_plan.cpp
)

# The help document's typesetting.
set(TRESOLO_HELPDOC_PDF_SOURCES
    ${CMAKE_SOURCE_DIR}/helpdoc/pdf/help_document.cpp
    ${CMAKE_SOURCE_DIR}/helpdoc/pdf/help_figures.cpp
    ${CMAKE_SOURCE_DIR}/helpdoc/pdf/help_markup.cpp
    ${CMAKE_SOURCE_DIR}/helpdoc/pdf/help_values.cpp
    ${CMAKE_SOURCE_DIR}/helpdoc/pdf/main.cpp
    ${CMAKE_SOURCE_DIR}/helpdoc/pdf/page_writer.cpp
    ${CMAKE_SOURCE_DIR}/helpdoc/pdf/picture_source.cpp
)

