ok.s -g b.s c.s
