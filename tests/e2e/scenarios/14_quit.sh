# Quitting by the quit button, by the close box, and while the bonus window is
# open: the program ends without a question and with exit code 0.
start_program
drv wait-window Form1
drv click Form1.BtnSyuuryou
expect_program_exit_code 0

start_program
drv wait-window Form1
drv close Form1
expect_program_exit_code 0

start_program
drv wait-window Form1
drv click Form1.BtnWinsasikae
drv wait-window winsasi1
drv click Form1.BtnSyuuryou
expect_program_exit_code 0
