; set needs a writable register and a comma
        .text
p:
        setl #ER, 1
        setl #51, 1
        setl #PSW 1
        complete
