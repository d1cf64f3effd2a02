# The rooms of the source tree and the rooms each one may include, lower rooms first. A room is a
# folder of src/ and a library of its own; it sees only the rooms it names here, so an include
# that runs up or sideways fails to compile, and lint.layers checks every include against this
# table. docs/architecture.md says what each room holds.
set(LEXEL_ROOMS base rules ports store settings history game startup controls board dialogs main)

set(LEXEL_ROOM_base_DIR core/base)         # shared words: no Qt, no SQL
set(LEXEL_ROOM_rules_DIR core/rules)
set(LEXEL_ROOM_ports_DIR core/ports)       # what the game asks of the rooms that keep its data
set(LEXEL_ROOM_store_DIR core/store)       # the SQLCipher layer and the word tables
set(LEXEL_ROOM_settings_DIR core/settings)
set(LEXEL_ROOM_history_DIR core/history)
set(LEXEL_ROOM_game_DIR core/game)
set(LEXEL_ROOM_startup_DIR core/startup)
set(LEXEL_ROOM_controls_DIR ui/controls)
set(LEXEL_ROOM_board_DIR ui/board)
set(LEXEL_ROOM_dialogs_DIR ui/dialogs)
set(LEXEL_ROOM_main_DIR ui/main)

set(LEXEL_ROOM_base_USES "")
set(LEXEL_ROOM_rules_USES base)
set(LEXEL_ROOM_ports_USES base)
set(LEXEL_ROOM_store_USES base ports)
set(LEXEL_ROOM_settings_USES base ports store)
set(LEXEL_ROOM_history_USES base rules ports store settings)
set(LEXEL_ROOM_game_USES base rules ports)
set(LEXEL_ROOM_startup_USES base rules ports store settings history game)
# The windows reach the file only through the rooms above the store.
set(LEXEL_ROOM_controls_USES base rules ports)
set(LEXEL_ROOM_board_USES base rules ports game controls)
set(LEXEL_ROOM_dialogs_USES base rules ports settings history game startup controls)
set(LEXEL_ROOM_main_USES base rules ports settings history game startup controls board dialogs)
