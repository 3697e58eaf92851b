// The one source of a static library standing between a test program and res/.
int VelmoraStaticLayer() {
    return 0;
}
