# Start-up from the CD: the main window with its caption, texts and the
# keyboard focus on the emulator button; the nine other windows stay hidden.
start_main_window
expect_main_window_at_start
shot main_window
close_program
