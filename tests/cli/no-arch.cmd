ok.s
