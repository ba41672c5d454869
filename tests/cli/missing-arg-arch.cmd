ok.s --arch
