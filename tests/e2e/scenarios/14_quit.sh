# Quitting by the quit button, also while the bonus window is open: the
# program ends without a question and with exit code 0. (By the close box:
# close_program, at the end of most scenarios.)
start_main_window
drv click Form1.BtnSyuuryou
expect_program_exit_code 0

open_bonus_window
drv click Form1.BtnSyuuryou
expect_program_exit_code 0
