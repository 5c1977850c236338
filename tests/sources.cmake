# SPDX-License-Identifier: GPL-3.0-or-later
# The test programs' sources, by program. A new test file is added here by name.

# support tests.
set(TRESOLO_SUPPORT_TEST_SOURCES
    support/damaged_files_test.cpp
    support/decimal_reference_test.cpp
    support/euro_decimal_test.cpp
    support/prefault_test.cpp
    support/profile_string_test.cpp
    support/tstregini_test.cpp
    support/user_config_dir_test.cpp
)

# codecs tests.
set(TRESOLO_CODECS_TEST_SOURCES
    codecs/bmp_test.cpp
    codecs/jpeg_test.cpp
    codecs/lanczos_test.cpp
    codecs/pixel_buffer_test.cpp
    codecs/picture_file_test.cpp
    codecs/picture_prefetch_test.cpp
)

# platform tests.
set(TRESOLO_PLATFORM_TEST_SOURCES
    platform/audio_output_test.cpp
    platform/audio_voices_test.cpp
    platform/cpu_clock_test.cpp
    platform/install_layout_test.cpp
    platform/instance_lock_test.cpp
    platform/os_version_test.cpp
    platform/route_table_test.cpp
    platform/sdl_environment.cpp
    platform/system_queries_test.cpp
)

# toolkit tests.
set(TRESOLO_TOOLKIT_TEST_SOURCES
    toolkit/activation_test.cpp
    toolkit/damage_test.cpp
    toolkit/dialogs_test.cpp
    toolkit/drawing_test.cpp
    toolkit/input_test.cpp
    toolkit/machpause_test.cpp
    toolkit/media_player_test.cpp
    toolkit/timers_test.cpp
)

# assets tests.
set(TRESOLO_ASSETS_TEST_SOURCES
    assets/catalogue_test.cpp
)

# game tests.
set(TRESOLO_GAME_TEST_SOURCES
    machine/ladder_fields_test.cpp
    machine/platform_services_test.cpp
    machine/settings_store_test.cpp
    shell/background_tiles_test.cpp
    shell/layout_test.cpp
    shell/save_failure_notice_test.cpp
    shell/shell_commands_test.cpp
    shell/start_up_test.cpp
    shell/version_check_test.cpp
    shell/way_out_test.cpp
    game/control_test.cpp
    game/ladder_test.cpp
    game/odds_test.cpp
    game/orders_test.cpp
    game/overlap_test.cpp
    game/risk_test.cpp
    game/spin_test.cpp
    money/debt_log_test.cpp
    money/deposit_test.cpp
    money/menu_test.cpp
    money/name_dialog_test.cpp
    money/payout_killed_test.cpp
    money/payout_pieces_test.cpp
    money/payout_test.cpp
    media/attract_mode_test.cpp
    media/chest_test.cpp
    media/shark_test.cpp
    media/sound_test.cpp
    media/split_blur_effect_test.cpp
    media/split_blur_test.cpp
    statistics/cash_box_agreement_test.cpp
    statistics/history_upgrade_test.cpp
    statistics/killed_recording_test.cpp
    statistics/last_games_test.cpp
    statistics/play_history_test.cpp
    statistics/protection_test.cpp
    statistics/recording_failures_test.cpp
    statistics/session_figures_test.cpp
    statistics/statistics_window_test.cpp
)

# The explorer of player orders: its library (the fuzz target drives it too) and its tests.
set(TRESOLO_EXPLORER_SOURCES
    explorer/explorer.cpp
    explorer/properties.cpp
)
set(TRESOLO_EXPLORER_TEST_SOURCES
    explorer/explorer_test.cpp
    explorer/gate_cells_test.cpp
)

# helpdoc tests.
set(TRESOLO_HELPDOC_TEST_SOURCES
    helpdoc/help_pdf_test.cpp
    helpdoc/simulated_return_test.cpp
)

# End-to-end tests, each a script in e2e/.
set(TRESOLO_E2E_TESTS
    bad_input_test
    display_lost_test
    full_disk_test
    late_display_test
    money_play_test
    readonly_config_test
    scaled_window_test
    scene_test
    settings_saved_test
    statistics_test
    killed_records_test
    two_starts_test
    way_out_test
    window_test
)
