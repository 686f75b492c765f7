# Quitting by the quit button, by the close box, and while the bonus window is
# open: the program ends without a question and with exit code 0.
start_main_window
drv click Form1.BtnSyuuryou
expect_program_exit_code 0

start_main_window
close_program

open_bonus_window
drv click Form1.BtnSyuuryou
expect_program_exit_code 0
