; a local common between two operations leaves the paragraph whole
        .text
p:
        getl 1
        .lcomm buf, 4
        getl 2
        complete
