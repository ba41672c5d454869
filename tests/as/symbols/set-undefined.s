; a symbol set to an undefined symbol is an error of pass 2
        .set u, w
        .comm c, 4
        .set d, c
