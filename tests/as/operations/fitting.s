; a byte-typed V field keeps one byte of its value
        .text
p:
        getb 255
        getb 256
        getb -1
        complete
